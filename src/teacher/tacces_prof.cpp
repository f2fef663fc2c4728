#include "teacher/tacces_prof.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

TAcces_prof::TAcces_prof(const QString& code_stocke, bool& code_prof_requis, QWidget* parent)
    : QDialog(parent)
    , m_acces(code_stocke, code_prof_requis)
{
    setObjectName(QStringLiteral("TAcces_prof"));
    setWindowTitle(QStringLiteral("Accès réservé au professeur"));
    setFixedSize(380, 170);

    m_label18 = new QLabel(QStringLiteral("Entrez le code  professeur:"), this);
    m_label18->setObjectName(QStringLiteral("Label18"));
    m_label18->setGeometry(20, 22, 190, 22);

    m_edit3 = new QLineEdit(this);
    m_edit3->setObjectName(QStringLiteral("Edit3"));
    m_edit3->setAccessibleName(m_label18->text());
    m_edit3->setMaxLength(4);
    m_edit3->setEchoMode(QLineEdit::Password);
    m_edit3->setStyleSheet(QStringLiteral("lineedit-password-character: 42;")); // "*"
    m_edit3->setGeometry(215, 20, 70, 26);
    m_label18->setBuddy(m_edit3);
    // Typed or set by a dictation tool, every change is filtered.
    connect(m_edit3, &QLineEdit::textChanged, this, [this](const QString& texte) {
        const QString filtre = AccesProfesseur::saisie_filtree(texte);
        if (filtre != texte) {
            const QSignalBlocker une_fois(m_edit3);
            const int curseur = m_edit3->cursorPosition();
            m_edit3->setText(filtre);
            m_edit3->setCursorPosition(curseur);
        }
    });
    m_edit3->installEventFilter(this);

    m_label8 = new QLabel(QStringLiteral("Code erroné"), this);
    m_label8->setObjectName(QStringLiteral("Label8"));
    m_label8->setStyleSheet(QStringLiteral("color: #C00000; font-weight: bold;"));
    m_label8->setGeometry(20, 22, 190, 22);

    m_button_code = new QPushButton(QStringLiteral("OK"), this);
    m_button_code->setObjectName(QStringLiteral("Button_code"));
    m_button_code->setAccessibleName(QStringLiteral("OK"));
    m_button_code->setGeometry(295, 18, 65, 30);
    m_button_code->setAutoDefault(false);
    connect(m_button_code, &QPushButton::clicked, this, &TAcces_prof::clique_Button_code);

    m_radio2 = new QRadioButton(QStringLiteral("Redemander systématiquement le code."), this);
    m_radio2->setObjectName(QStringLiteral("RadioButton2"));
    m_radio2->setGeometry(20, 75, 340, 24);
    m_radio2->setChecked(true);
    m_radio1 = new QRadioButton(QStringLiteral("Autoriser accès jusqu'à la fermeture du programme."), this);
    m_radio1->setObjectName(QStringLiteral("RadioButton1"));
    m_radio1->setGeometry(20, 105, 350, 24);
    for (QRadioButton* r : {m_radio2, m_radio1})
        r->setAccessibleName(r->text());
}

void TAcces_prof::showEvent(QShowEvent* evenement)
{
    QDialog::showEvent(evenement);
    FormShow();
}

void TAcces_prof::FormShow()
{
    m_acces.FormShow();
    m_label8->hide();
    m_label18->show();
    m_edit3->clear();
    m_edit3->setEnabled(true);
    m_edit3->setFocus();
}

bool TAcces_prof::eventFilter(QObject* objet, QEvent* evenement)
{
    if (objet == m_edit3 && evenement->type() == QEvent::KeyPress) {
        const int touche = static_cast<QKeyEvent*>(evenement)->key();
        if (touche == Qt::Key_Return || touche == Qt::Key_Enter) {
            clique_Button_code();
            return true;
        }
    }
    return QDialog::eventFilter(objet, evenement);
}

void TAcces_prof::clique_Button_code()
{
    switch (m_acces.clique_Button_code(m_edit3->text(), m_radio1->isChecked())) {
    case AccesProfesseur::Suite::ouvre_console:
        accept();
        break;
    case AccesProfesseur::Suite::montre_erreur:
        m_label18->hide();
        m_label8->show();
        m_edit3->setEnabled(false);
        m_button_code->setFocus();
        break;
    case AccesProfesseur::Suite::redemande:
        FormShow();
        break;
    }
}
