#pragma once

#include <QDialog>
#include <QPoint>
#include <QTimer>
#include <functional>

class QFrame;
class QLabel;
class QPushButton;

// The small modal box of the test: the first-test announcement with its 4-3-2-1 countdown, "Trop long!" and
// "DEUXIÈME CHANCE!". The caller sets title, text and button, then shows it; the box decides on its own
// texts what its button does, and says when it has closed so that the caller moves on.
class Tboite_message : public QDialog
{
    Q_OBJECT
public:
    static constexpr int intervalle_decompte_ms = 1000;

    explicit Tboite_message(QWidget* parent = nullptr);

    // Title, text (lines separated by "\r") and button caption, as the caller fills them in.
    void prepare(const QString& titre, const QString& texte, const QString& bouton);
    // A fixed place on screen for the next showing; without it the box is centred.
    void place_en(const QPoint& coin_global);
    // Shows the box modally without blocking the caller (FormShow).
    void montre();

    QString texte() const { return m_texte; }
    void fixe_texte(const QString& texte);
    QString bouton() const;
    void fixe_bouton(const QString& libelle);

    // Asked before closing: true keeps the box on screen (the caller may have changed its texts).
    using Garde = std::function<bool(Tboite_message&)>;
    void definit_garde(Garde garde) { m_garde = std::move(garde); }

    void ajuste_dimensions();

public Q_SLOTS:
    void button_OKClick();
    void Timer1Timer();

Q_SIGNALS:
    // The box has closed (FormClose), with the title and text it had.
    void fermee(const QString& titre, const QString& texte);

protected:
    void paintEvent(QPaintEvent* evenement) override;
    void closeEvent(QCloseEvent* evenement) override;
    void reject() override;

private:
    void demande_fermeture();

    QString m_texte;
    QFrame* m_panel1;
    QLabel* m_commentaire;
    QPushButton* m_bouton;
    QTimer m_timer1;
    QPoint m_position;
    bool m_position_fixe = false;
    Garde m_garde;
};
