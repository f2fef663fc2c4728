#include "app/tgeneral.h"
#include "settings/treglages.h"
#include "storage/configuration.h"
#include "storage/fichier_ini.h"
#include "support/dossier_test.h"
#include "support/gui/repondeur.h"
#include "support/plateforme_factice.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

inline void PrintTo(const QString& texte, std::ostream* flux)
{
    *flux << '"' << texte.toStdString() << '"';
}

namespace {

const QString attention
    = QStringLiteral("OK.\nLe logiciel doit être redémarré\npour prendre en compte les changements");

template <typename T = QWidget> T* dans(const QObject* parent, const char* nom)
{
    T* w = parent->findChild<T*>(QString::fromLatin1(nom));
    EXPECT_NE(w, nullptr) << nom;
    return w;
}

void clique(const QObject* parent, const char* nom)
{
    if (auto* b = dans<QAbstractButton>(parent, nom))
        b->click();
}

class DialogueReglages : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dossier.cree(QStringLiteral("poste")));
        ASSERT_TRUE(ecrit_configuration_par_defaut(poste()).ok);
    }
    QString poste() const { return m_dossier.chemin(QStringLiteral("poste")); }
    QString chemin_ini() const { return QDir(poste()).filePath(cles::fichier); }

    // The program as a launch leaves it before the identification.
    std::unique_ptr<Tgeneral> demarre()
    {
        auto f = std::make_unique<Tgeneral>(poste(), horloge, plateforme);
        f->session().initialise_session();
        f->applique_session();
        return f;
    }

    HorlogeManuelle horloge;
    PlateformeFactice plateforme;
    RepondeurBoites boites;

private:
    DossierTest m_dossier;
};

} // namespace

TEST_F(DialogueReglages, trois_reglages_changes_sont_en_vigueur_au_demarrage_suivant)
{
    auto fenetre = demarre();
    plateforme.num = true; // the pupil switched Num Lock on since the launch
    bool vu = false;
    QTimer::singleShot(0, [&] {
        auto* d = qobject_cast<Treglages*>(QApplication::activeModalWidget());
        if (!d)
            return;
        vu = true;
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Réglages"));
        EXPECT_FALSE(plateforme.num);
        dans<QSpinBox>(d, "SpinEdit_tmps_max")->setValue(30);
        clique(d, "RadioButton24");
        clique(d, "RadioButton22");
        clique(d, "Button_enregistrer_parametres");
        d->accept();
    });
    for (QAction* a : fenetre->menuBar()->actions())
        if (a->text() == QStringLiteral("Réglages"))
            a->trigger();
    ASSERT_TRUE(vu);
    ASSERT_EQ(boites.vues.size(), 1);
    EXPECT_EQ(boites.vues[0].titre, QStringLiteral("ATTENTION!"));
    EXPECT_EQ(boites.vues[0].icone, QMessageBox::Warning);
    EXPECT_EQ(boites.vues[0].texte, attention);

    fenetre.reset();
    fenetre = demarre();
    const Reglages& r = fenetre->session().reglages();
    EXPECT_EQ(r.temps_reponse_maximum, 30);
    EXPECT_FALSE(r.chrono_test_visible);
    for (QAction* a : fenetre->findChildren<QAction*>()) {
        if (a->text().startsWith(QStringLiteral("Perfectionnement: niveau"))) {
            EXPECT_FALSE(a->isEnabled());
        }
    }
}

TEST_F(DialogueReglages, un_enregistrement_refuse_le_dit_et_laisse_le_fichier_tel_qu_il_etait)
{
    struct Cas
    {
        const char* nom;
        std::function<void(Treglages&)> prepare;
        const char* message;
    };
    const QVector<Cas> cas {
        {"formule",
            [](Treglages& d) {
                clique(&d, "RadioButton_formule4");
                dans<QLineEdit>(&d, "Edit_formule")->setText(QStringLiteral("1.3.1.3"));
            },
            "La formule récursive « 1.3.1.3 » ne peut pas servir : L'étape 2 révise 3 blocs"},
        {"dossier",
            [this](Treglages&) {
                QFile::remove(chemin_ini());
                QDir().mkdir(chemin_ini());
            },
            "existe mais n'a pas pu être lu"},
    };
    for (const Cas& c : cas) {
        ASSERT_TRUE(ecrit_configuration_par_defaut(poste()).ok);
        Treglages d(chemin_ini(), {});
        d.show();
        c.prepare(d);
        QFile lu(chemin_ini());
        const QByteArray octets = lu.open(QIODevice::ReadOnly) ? lu.readAll() : QByteArray();
        dans<QSpinBox>(&d, "SpinEdit_tmps_ok")->setValue(9);
        clique(&d, "Button_enregistrer_parametres");
        ASSERT_EQ(boites.vues.size(), 1) << c.nom;
        EXPECT_EQ(boites.vues[0].titre, QStringLiteral("Réglages non enregistrés"));
        EXPECT_TRUE(boites.vues[0].texte.contains(QString::fromUtf8(c.message)))
            << boites.vues[0].texte.toStdString();
        QFile relu(chemin_ini());
        EXPECT_EQ(relu.open(QIODevice::ReadOnly) ? relu.readAll() : QByteArray(), octets) << c.nom;
        boites.vues.clear();
        QDir(chemin_ini()).removeRecursively();
    }
}

TEST_F(
    DialogueReglages, rouvert_il_montre_le_fichier_et_les_tables_classiques_et_signale_le_serveur_a_demander)
{
    Treglages d(chemin_ini(), {});
    d.show();
    clique(&d, "RadioButton4");
    clique(&d, "CheckBox_11");
    clique(&d, "CheckBox_13");
    clique(&d, "RadioGroup1_Ecole");
    clique(&d, "Button_enregistrer_parametres");
    ASSERT_EQ(boites.vues.size(), 1);
    EXPECT_EQ(boites.vues[0].texte,
        attention
            + QStringLiteral(
                "\n\nLe chemin du serveur n'est pas renseigné : il sera demandé au prochain démarrage."));
    const FichierIni ini(chemin_ini());
    EXPECT_EQ(ini.lit_texte(cles::parametres, cles::objectifs_etendus_defaut), QStringLiteral("table_13"));
    EXPECT_EQ(ini.lit_texte(cles::general, cles::mode), QStringLiteral("Ecole"));

    d.hide();
    clique(&d, "RadioGroup1_Maison");
    d.show();
    EXPECT_TRUE(dans<QRadioButton>(&d, "RadioButton3")->isChecked());
    EXPECT_TRUE(dans<QRadioButton>(&d, "RadioGroup1_Ecole")->isChecked());
    EXPECT_TRUE(dans<QWidget>(&d, "CheckBox_13")->property("checked").toBool());
    EXPECT_FALSE(dans<QWidget>(&d, "CheckBox_13")->isEnabled());
}
