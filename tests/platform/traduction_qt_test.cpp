#include "platform/traduction_qt.h"
#include "support/dossier_test.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTranslator>
#include <gtest/gtest.h>

namespace {

// Without the "&" of keyboard shortcuts, which some platforms leave out.
QString sans_raccourci(QString texte)
{
    return texte.remove(u'&');
}

QString texte_annuler()
{
    const QDialogButtonBox boutons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    return sans_raccourci(boutons.button(QDialogButtonBox::Cancel)->text());
}

// Every text a dialog shows: title, labels, buttons, list entries.
QStringList textes(const QWidget& dialogue)
{
    QStringList t {dialogue.windowTitle()};
    for (const QLabel* l : dialogue.findChildren<QLabel*>())
        t << sans_raccourci(l->text());
    for (const QAbstractButton* b : dialogue.findChildren<QAbstractButton*>())
        t << sans_raccourci(b->text());
    for (const QComboBox* c : dialogue.findChildren<QComboBox*>())
        for (int i = 0; i < c->count(); ++i)
            t << sans_raccourci(c->itemText(i));
    return t;
}

// Each test leaves the application without the translations it installed.
class TraductionQt : public ::testing::Test
{
protected:
    void TearDown() override
    {
        for (QTranslator* t : QCoreApplication::instance()->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(t);
            delete t;
        }
    }
};

} // namespace

TEST_F(TraductionQt, les_boutons_standard_et_le_dialogue_d_impression_de_qt_sont_en_francais)
{
    ASSERT_TRUE(installe_traduction_qt(*QCoreApplication::instance()))
        << "qtbase_fr.qm absent de " << QLibraryInfo::path(QLibraryInfo::TranslationsPath).toStdString()
        << " (paquet qt6-translations-l10n)";
    EXPECT_EQ(texte_annuler(), QStringLiteral("Annuler"));

    QPrinter imprimante;
    QPrintDialog dialogue(&imprimante);
    const QStringList vus = textes(dialogue);
    for (const char* attendu :
        {"Imprimer", "Annuler", "Emplacement :", "Fichier de sortie :", "Pages paires"})
        EXPECT_TRUE(vus.contains(QString::fromUtf8(attendu))) << attendu << "\n"
                                                              << vus.join(u'|').toStdString();
    for (const char* anglais : {"Print", "Cancel", "Location:", "Output file:", "Even Pages"})
        EXPECT_FALSE(vus.contains(QString::fromUtf8(anglais))) << anglais;
}

// Without a usable French file Qt keeps its own English texts, and nothing is left installed.
TEST_F(TraductionQt, sans_fichier_lisible_les_textes_de_qt_restent_en_anglais)
{
    DossierTest vide, repertoire, abime;
    ASSERT_TRUE(repertoire.cree(QStringLiteral("qtbase_fr.qm")));
    QFile mauvais(abime.chemin(QStringLiteral("qtbase_fr.qm")));
    ASSERT_TRUE(mauvais.open(QIODevice::WriteOnly));
    mauvais.write("ceci n'est pas une traduction");
    mauvais.close();
    for (const DossierTest* dossier : {&vide, &repertoire, &abime}) {
        EXPECT_FALSE(installe_traduction_qt(*QCoreApplication::instance(), dossier->chemin()))
            << dossier->chemin().toStdString();
        EXPECT_TRUE(QCoreApplication::instance()->findChildren<QTranslator*>().isEmpty());
        EXPECT_EQ(texte_annuler(), QStringLiteral("Cancel"));
    }
}
