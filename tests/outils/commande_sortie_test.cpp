#include "outils/commande_bilan.h"
#include "outils/commande_confusions.h"
#include "outils/commande_liste.h"
#include "outils/commande_stats.h"
#include "support/dossier_test.h"
#include "teacher/ecole_suivi.h"

#include <QFile>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Commande = std::function<int(const QStringList&, QTextStream&, QTextStream&, const Horloge&)>;

bool est_un_tube(const QString& chemin)
{
    struct stat st;
    return ::lstat(QFile::encodeName(chemin).constData(), &st) == 0 && S_ISFIFO(st.st_mode);
}

QByteArray octets(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(absent)");
}

// The small school, and the four commands as a teacher types them, their output last.
class SortiesOutils : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ecole_suivi::ecrit(eleves());
        ASSERT_TRUE(ecrit_lignes(chemin(QStringLiteral("Tabrix.ini")), {QStringLiteral("[General]")}));
        ASSERT_TRUE(m_dossier.cree(QStringLiteral("stats")));
        ASSERT_TRUE(ecrit_lignes(chemin(QStringLiteral("stats/liste_records.txt")), {"100030Petit_Jean"}));
        ASSERT_TRUE(ecrit_lignes(chemin(QStringLiteral("stats/liste_eleves.txt")), {"Total: 7 élèves"}));
        ASSERT_TRUE(ecrit_octets(chemin(QStringLiteral("bilan.pdf")), "%PDF-1.4\n%%EOF\n"));
        ASSERT_TRUE(ecrit_octets(chemin(QStringLiteral("graphique.png")), "\x89PNG\r\n\x1A\n"));
        ASSERT_TRUE(m_dossier.cree(QStringLiteral("autre")));
        ASSERT_TRUE(ecrit_lignes(chemin(QStringLiteral("autre/Durand_Paul.txt")),
            ecole_suivi::un_test(QStringLiteral("Lundi"), QStringLiteral("02/12/2024"), 8)));
    }
    QString chemin(const QString& relatif) const { return m_dossier.chemin(relatif); }
    QString eleves() const { return chemin(QStringLiteral("Eleves")); }
    QString etablissement() const { return eleves() + QLatin1Char('/') + ecole_suivi::etablissement; }
    QString historique() const { return etablissement() + QStringLiteral("/Dupont_Marie.txt"); }

    struct Cas
    {
        const char* nom;
        Commande commande;
        std::function<QStringList(const QString& sortie)> arguments;
    };
    QVector<Cas> commandes() const
    {
        const auto stats = [](const QStringList& a, QTextStream& s, QTextStream& e, const Horloge& h) {
            return commande_stats(a, s, e, h, [](const DonneesStats&, const QString& png) {
                const Ecriture ecrite = ecrit_octets(png, "\x89PNG\r\n\x1A\n");
                return ecrite ? QString() : ecrite.erreur;
            });
        };
        return {
            {"liste", commande_liste,
                [this](const QString& o) {
                    return QStringList {QStringLiteral("--eleves"), eleves(),
                        QStringLiteral("--etablissement"), ecole_suivi::etablissement, QStringLiteral("-o"),
                        o};
                }},
            {"confusions", commande_confusions,
                [this](const QString& o) {
                    return QStringList {QStringLiteral("--annee"),
                        etablissement() + QLatin1Char('/') + ecole_suivi::annee, QStringLiteral("-o"), o};
                }},
            {"bilan", commande_bilan,
                [this](const QString& o) {
                    return QStringList {QStringLiteral("-o"), o, historique()};
                }},
            {"stats", stats,
                [this](const QString& o) {
                    return QStringList {QStringLiteral("--niveaux"),
                        QStringLiteral("sixième<61,62>cinquième<63,64>"), QStringLiteral("--png"), o,
                        etablissement()};
                }},
        };
    }
    int lance(const Cas& c, const QString& sortie)
    {
        m_sortie.clear();
        m_erreurs.clear();
        QTextStream s(&m_sortie);
        QTextStream e(&m_erreurs);
        return c.commande(c.arguments(sortie), s, e, m_horloge);
    }

    DossierTest m_dossier;
    HorlogeManuelle m_horloge {QDateTime(QDate(2024, 12, 7), QTime(10, 15, 0))};
    QString m_sortie;
    QString m_erreurs;
};

} // namespace

TEST_F(
    SortiesOutils, aucune_commande_n_ecrit_sur_ce_qu_elle_lit_ni_sur_un_fichier_de_l_ecole_d_une_autre_sorte)
{
    // Other names of the history: a symbolic link and a hard link, out of the histories' folder.
    ASSERT_TRUE(QFile::link(historique(), chemin(QStringLiteral("lien.pdf"))));
    ASSERT_EQ(::link(QFile::encodeName(historique()).constData(),
                  QFile::encodeName(chemin(QStringLiteral("dur.png"))).constData()),
        0);
    const struct
    {
        QString fichier;
        QStringList permis; // the commands whose own output kind this is
    } cibles[] = {
        {historique(), {}},
        {chemin(QStringLiteral("lien.pdf")), {}},
        {chemin(QStringLiteral("dur.png")), {}},
        {etablissement() + QStringLiteral("/Nouveau_Rapport.txt"), {}},
        {chemin(QStringLiteral("autre/Durand_Paul.txt")), {}},
        {chemin(QStringLiteral("Tabrix.ini")), {}},
        {etablissement() + QStringLiteral("/2024-2025/61/Dupont_Marie.lnk"), {}},
        {chemin(QStringLiteral("stats/liste_records.txt")), {}},
        {chemin(QStringLiteral("stats/liste_eleves.txt")), {"liste"}},
        {chemin(QStringLiteral("bilan.pdf")), {"bilan"}},
        {chemin(QStringLiteral("graphique.png")), {"stats"}},
        {chemin(QStringLiteral("stats")), {}},
    };
    for (const Cas& c : commandes()) {
        const QString nom = QString::fromLatin1(c.nom);
        for (const auto& cible : cibles) {
            if (cible.permis.contains(nom))
                continue;
            const QByteArray avant = octets(cible.fichier);
            EXPECT_EQ(lance(c, cible.fichier), 2) << c.nom << " " << cible.fichier.toStdString();
            EXPECT_TRUE(m_erreurs.startsWith(QStringLiteral("tabrix-outils %1 : « ").arg(nom)))
                << m_erreurs.toStdString();
            EXPECT_EQ(octets(cible.fichier), avant) << c.nom << " " << cible.fichier.toStdString();
        }
        // A new file out of the histories' folder is written.
        EXPECT_EQ(lance(c, chemin(QStringLiteral("nouveau.%1").arg(nom))), 0)
            << c.nom << " " << m_erreurs.toStdString();
    }
    // So is a file of the command's own kind, replaced.
    const QVector<Cas> c = commandes();
    ASSERT_EQ(lance(c[0], chemin(QStringLiteral("stats/liste_eleves.txt"))), 0);
    EXPECT_TRUE(
        octets(chemin(QStringLiteral("stats/liste_eleves.txt"))).startsWith("Total: 7 \xE9l\xE8ves le "));
    ASSERT_EQ(lance(c[2], chemin(QStringLiteral("bilan.pdf"))), 0);
    EXPECT_GT(octets(chemin(QStringLiteral("bilan.pdf"))).size(), 1000);
    ASSERT_EQ(lance(c[3], chemin(QStringLiteral("graphique.png"))), 0);
}

// A FIFO is written to, never replaced by a plain file; nobody reading it, the command fails at once.
TEST_F(SortiesOutils, un_tube_nomme_recoit_la_sortie_et_reste_un_tube)
{
    const QString tube = chemin(QStringLiteral("tube"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(tube).constData(), 0644), 0);
    for (const Cas& c : commandes()) {
        EXPECT_EQ(lance(c, tube), 1) << c.nom;
        EXPECT_TRUE(m_erreurs.contains(QStringLiteral("aucun programme ne le lit")))
            << m_erreurs.toStdString();
        const int lecteur = ::open(QFile::encodeName(tube).constData(), O_RDONLY | O_NONBLOCK);
        ASSERT_GE(lecteur, 0);
        // Room for a whole report: nothing drains the FIFO while the command writes.
        ASSERT_GE(::fcntl(lecteur, F_SETPIPE_SZ, 1 << 20), 1 << 20);
        EXPECT_EQ(lance(c, tube), 0) << c.nom << " " << m_erreurs.toStdString();
        char debut[8] = {};
        EXPECT_GT(::read(lecteur, debut, sizeof debut), 0) << c.nom;
        ::close(lecteur);
        EXPECT_TRUE(est_un_tube(tube)) << c.nom;
    }
}

// A FIFO named as a history would hold the reading for ever, a link to /dev/zero would fill the memory,
// a file of 40 MB is no history: each is named as unreadable, and the others are read.
TEST_F(
    SortiesOutils, un_historique_qui_n_est_pas_un_fichier_ordinaire_de_taille_raisonnable_est_dit_illisible)
{
    const QString tube = etablissement() + QStringLiteral("/Martin_Léa.txt");
    const QString zero = etablissement() + QStringLiteral("/Deux_Anne.txt");
    const QString enorme = etablissement() + QStringLiteral("/Trois_Luc.txt");
    for (const QString& f : {tube, zero, enorme})
        ASSERT_TRUE(QFile::remove(f));
    ASSERT_EQ(::mkfifo(QFile::encodeName(tube).constData(), 0644), 0);
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), zero));
    QFile gros(enorme);
    ASSERT_TRUE(gros.open(QIODevice::WriteOnly) && gros.resize(40 * 1024 * 1024));
    gros.close();
    for (const Cas& c : commandes()) {
        if (QByteArray(c.nom) == "bilan")
            continue;
        EXPECT_EQ(lance(c, chemin(QStringLiteral("sortie.%1").arg(QString::fromLatin1(c.nom)))), 0) << c.nom;
        for (const char* nom : {"Martin_Léa", "Deux_Anne", "Trois_Luc"})
            EXPECT_TRUE(m_erreurs.contains(QString::fromUtf8(nom)))
                << c.nom << " " << m_erreurs.toStdString();
        EXPECT_FALSE(m_erreurs.contains(QStringLiteral("Dupont_Marie"))) << c.nom;
    }
    const Cas bilan = commandes().at(2);
    m_sortie.clear();
    m_erreurs.clear();
    QTextStream s(&m_sortie), e(&m_erreurs);
    EXPECT_EQ(bilan.commande(
                  {QStringLiteral("-o"), chemin(QStringLiteral("b.pdf")), tube, zero, enorme, historique()},
                  s, e, m_horloge),
        0);
    EXPECT_EQ(m_erreurs.count(QStringLiteral("illisible")), 3) << m_erreurs.toStdString();
}
