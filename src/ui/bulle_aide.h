#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>

// The program's hint balloon: a rounded pale-yellow balloon, 250 pixels wide with its text wrapped, in
// italics, over a maroon shadow. One balloon at a time, hidden as soon as the pointer leaves its widget.
class BulleAide : public QWidget
{
    Q_OBJECT
public:
    static constexpr int largeur = 250;
    static constexpr int rayon = 18;
    static constexpr int ombre = 4;

    // Shows the balloon below and right of the global point, for the widget, hidden after masquage_ms.
    static void montre(const QPoint& position, const QString& texte, QWidget* widget, int masquage_ms);
    static void cache();
    static BulleAide* instance(); // the balloon shown, or nullptr

    QString texte() const { return m_texte; }

protected:
    void paintEvent(QPaintEvent* evenement) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    BulleAide();
    void prepare(const QString& texte);
    QRect zone_texte() const;

    QString m_texte;
    QPointer<QWidget> m_widget;
    QTimer m_masquage;
};
