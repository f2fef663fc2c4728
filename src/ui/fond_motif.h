#pragma once

#include <QPixmap>
#include <QWidget>

// A background tiled with a small drawn motif (soft squares and multiplication signs).
class FondMotif : public QWidget
{
    Q_OBJECT
public:
    explicit FondMotif(QWidget* parent = nullptr);

    static QPixmap motif();

protected:
    void paintEvent(QPaintEvent* evenement) override;

private:
    QPixmap m_motif;
};
