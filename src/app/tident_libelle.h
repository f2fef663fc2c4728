#pragma once

#include <QColor>
#include <QLabel>

// The identification window's prompts: outlined text filled with a vertical gradient (yellow to red, or
// blue to black for the code prompts). text() is the caption, so tests and screen readers read it.
class LibelleContour : public QLabel
{
    Q_OBJECT
public:
    explicit LibelleContour(const QString& texte, QWidget* parent = nullptr);

    void fixe_degrade(const QColor& haut, const QColor& bas);
    // Sets the caption and resizes the label to it.
    void fixe_texte(const QString& texte);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* evenement) override;

private:
    QColor m_haut;
    QColor m_bas;
};
