#include "seance/ligne_commande.h"
#include "storage/fichier_texte.h"
#include "support/dossier_test.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

using Action = DemandeLancement::Action;

struct CasLigne
{
    QStringList arguments;
    Action action;
    QString dossier;
    QString dans_le_texte;
};

QByteArray contenu(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
}

bool ecrit(const QString& chemin, const QByteArray& octets)
{
    QFile f(chemin);
    return f.open(QIODevice::WriteOnly) && f.write(octets) == octets.size();
}

} // namespace

TEST(LigneCommande, chaque_forme_d_arguments_donne_son_action_son_dossier_et_son_texte)
{
    const auto s = [](const char* t) { return QString::fromUtf8(t); };
    const QList<CasLigne> cas = {
        {{s("tabrix")}, Action::Lancer, {}, {}},
        {{s("tabrix"), s("--dossier"), s("/srv/école")}, Action::Lancer, s("/srv/école"), {}},
        {{s("tabrix"), s("--dossier=classe")}, Action::Lancer, s("classe"), {}},
        {{s("tabrix"), s("--help")}, Action::Aide, {}, s("--dossier DOSSIER")},
        {{s("tabrix"), s("--version")}, Action::Version, {}, s("Tabrix 0.96.04\n")},
        // Help wins over a mistake beside it, and over a launch.
        {{s("tabrix"), s("--inconnue"), s("--help")}, Action::Aide, {}, s("Utilisation")},
        {{s("tabrix"), s("--dossier"), s("x"), s("--version")}, Action::Version, {}, s("0.96.04")},
        {{s("tabrix"), s("--inconnue")}, Action::Erreur, {}, s("option inconnue : --inconnue")},
        {{s("tabrix"), s("fichier.txt")}, Action::Erreur, {}, s("argument inattendu : fichier.txt")},
        {{s("tabrix"), s("--dossier")}, Action::Erreur, {}, s("attend le nom d'un dossier")},
        {{s("tabrix"), s("--dossier=")}, Action::Erreur, {}, s("attend le nom d'un dossier")},
        {{s("tabrix"), s("-d"), s("a"), s("-d"), s("b")}, Action::Erreur, {}, s("qu'une fois")},
    };
    for (const CasLigne& c : cas) {
        SCOPED_TRACE(c.arguments.join(QLatin1Char(' ')).toStdString());
        const DemandeLancement d = lit_ligne_commande(c.arguments);
        EXPECT_EQ(d.action, c.action);
        EXPECT_EQ(d.dossier, c.dossier);
        EXPECT_TRUE(d.texte.contains(c.dans_le_texte)) << d.texte.toStdString();
        if (c.action == Action::Erreur) {
            EXPECT_TRUE(d.texte.contains(QStringLiteral("tabrix --help")));
        }
    }
}

TEST(LigneCommande, le_dossier_vient_de_l_option_puis_de_la_variable_puis_des_donnees_de_l_utilisateur)
{
    const QString donnees = QStringLiteral("/home/eleve/.local/share");
    const QString courant = QStringLiteral("/home/eleve/bureau");
    struct Cas
    {
        QString option, variable, attendu;
    };
    const QList<Cas> cas = {
        {{}, {}, QStringLiteral("/home/eleve/.local/share/Tabrix")},
        {{}, QStringLiteral("/srv/tabrix"), QStringLiteral("/srv/tabrix")},
        {QStringLiteral("/opt/classe/"), QStringLiteral("/srv/tabrix"), QStringLiteral("/opt/classe")},
        // Relative paths start from the folder the program is started in.
        {QStringLiteral("run"), {}, QStringLiteral("/home/eleve/bureau/run")},
        {{}, QStringLiteral("../partage"), QStringLiteral("/home/eleve/partage")},
        // A "~" the shell did not expand (quoted, or from a launcher) is the home folder.
        {QStringLiteral("~/classe"), {}, QDir::homePath() + QStringLiteral("/classe")},
        // A variable set to blanks is not a folder name.
        {{}, QStringLiteral("  "), QStringLiteral("/home/eleve/.local/share/Tabrix")},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(dossier_de_travail(c.option, c.variable, donnees, courant), c.attendu)
            << c.option.toStdString() << " | " << c.variable.toStdString();
}

TEST(LigneCommande, un_premier_demarrage_copie_la_configuration_de_l_etablissement_une_seule_fois)
{
    DossierTest d;
    const QString ecole = d.chemin(QStringLiteral("etc/Tabrix.ini"));
    ASSERT_TRUE(d.cree(QStringLiteral("etc")));
    const QByteArray octets("[General]\r\nMode=Ecole\r\nEtablissement=Coll\xe8ge\r\n");
    ASSERT_TRUE(ecrit(ecole, octets));

    const QString travail = d.chemin(QStringLiteral("profond/sous/Tabrix"));
    const PreparationDossier p = prepare_dossier_de_travail(travail, ecole);
    EXPECT_TRUE(p.utilisable);
    EXPECT_TRUE(p.message.isEmpty()) << p.message.toStdString();
    EXPECT_EQ(contenu(travail + QStringLiteral("/Tabrix.ini")), octets); // byte for byte, CP1252 kept

    // The pupil's own settings are never replaced by the school's file again.
    ASSERT_TRUE(ecrit(travail + QStringLiteral("/Tabrix.ini"), "[General]\r\nMode=Maison\r\n"));
    EXPECT_TRUE(prepare_dossier_de_travail(travail, ecole).message.isEmpty());
    EXPECT_EQ(contenu(travail + QStringLiteral("/Tabrix.ini")), QByteArray("[General]\r\nMode=Maison\r\n"));
}

TEST(LigneCommande, sans_configuration_d_etablissement_le_dossier_reste_sans_fichier_pour_le_defaut)
{
    DossierTest d;
    const QString travail = d.chemin(QStringLiteral("Tabrix"));
    for (const QString& ecole : {d.chemin(QStringLiteral("absent.ini")), d.chemin()}) {
        const PreparationDossier p = prepare_dossier_de_travail(travail, ecole);
        EXPECT_TRUE(p.utilisable);
        EXPECT_TRUE(p.message.isEmpty());
        EXPECT_FALSE(QFile::exists(travail + QStringLiteral("/Tabrix.ini")));
    }
}

TEST(LigneCommande, un_dossier_impossible_est_refuse_avec_sa_raison)
{
    DossierTest d;
    ASSERT_TRUE(ecrit(d.chemin(QStringLiteral("fichier")), "x"));
    const PreparationDossier sur_fichier
        = prepare_dossier_de_travail(d.chemin(QStringLiteral("fichier")), {});
    EXPECT_FALSE(sur_fichier.utilisable);
    EXPECT_TRUE(sur_fichier.message.contains(QStringLiteral("n'est pas un dossier")));
    const PreparationDossier dessous
        = prepare_dossier_de_travail(d.chemin(QStringLiteral("fichier/Tabrix")), {});
    EXPECT_FALSE(dessous.utilisable);
    EXPECT_TRUE(dessous.message.contains(QStringLiteral("n'a pas pu être créé")));
}
