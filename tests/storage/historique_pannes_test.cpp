#include "storage/fichier_texte.h"
#include "storage/historique_exemples.h"
#include "storage/records.h"
#include "support/dossier_test.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

QByteArray octets(const QStringList& lignes)
{
    return vers_cp1252(lignes.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

} // namespace

TEST(Pannes, un_processus_tue_en_pleine_ecriture_laisse_l_ancien_ou_le_nouveau_fichier)
{
    DossierTest d;
    const QString chemin = d.chemin(QStringLiteral("Dupont_Marie.txt"));
    const QByteArray versions[2] = {octets(historique_long(1200, 0)), octets(historique_long(1200, 1))};
    ASSERT_GT(versions[0].size(), 1000000);
    QRandomGenerator hasard(12345);
    for (int essai = 0; essai < 25; ++essai) {
        QProcess aide;
        aide.start(QStringLiteral(AIDE_HISTORIQUE), {QStringLiteral("ecrit"), chemin});
        ASSERT_TRUE(aide.waitForStarted(10000));
        // Killed after 1 to 3 whole writes, somewhere in the next one.
        const int ecritures = 1 + static_cast<int>(hasard.bounded(3));
        int vues = 0;
        while (vues < ecritures && aide.waitForReadyRead(20000)) {
            while (aide.canReadLine() && vues < ecritures) {
                aide.readLine();
                ++vues;
            }
        }
        ASSERT_EQ(vues, ecritures);
        aide.kill();
        aide.waitForFinished(10000);

        QFile f(chemin);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << "essai " << essai;
        const QByteArray lu = f.readAll();
        EXPECT_TRUE(lu == versions[0] || lu == versions[1])
            << "essai " << essai << ": " << lu.size() << " octets";
    }
}

TEST(Pannes, deux_postes_qui_mettent_a_jour_les_records_ensemble_ne_perdent_aucune_ligne)
{
    DossierTest d;
    const QString chemin = d.chemin(QStringLiteral("liste_records.txt"));
    QProcess a, b;
    a.start(QStringLiteral(AIDE_HISTORIQUE),
        {QStringLiteral("records"), chemin, QStringLiteral("Alpha"), QStringLiteral("200")});
    b.start(QStringLiteral(AIDE_HISTORIQUE),
        {QStringLiteral("records"), chemin, QStringLiteral("Beta"), QStringLiteral("200")});
    ASSERT_TRUE(a.waitForFinished(60000));
    ASSERT_TRUE(b.waitForFinished(60000));
    EXPECT_EQ(a.exitCode(), 0) << a.readAllStandardOutput().constData()
                               << a.readAllStandardError().constData();
    EXPECT_EQ(b.exitCode(), 0) << b.readAllStandardOutput().constData()
                               << b.readAllStandardError().constData();

    QStringList attendu;
    for (int k = 0; k < 25; ++k) {
        attendu.append(ligne_record(50, 7, QStringLiteral("Alpha_%1").arg(k)));
        attendu.append(ligne_record(50, 7, QStringLiteral("Beta_%1").arg(k)));
    }
    EXPECT_EQ(lit_lignes(chemin), trie_records(attendu));
    EXPECT_FALSE(QFile::exists(chemin + QStringLiteral(".lock")));
}

// Whether the bytes come whole (a séance) or piece by piece (a long document), a full disk is reported and
// the previous file stays as it was.
TEST(Pannes, un_disque_plein_est_signale_et_laisse_le_fichier_intact)
{
    for (const char* mode : {"plein", "plein-morceaux"}) {
        SCOPED_TRACE(mode);
        DossierTest d;
        const QString chemin = d.chemin(QStringLiteral("Dupont_Marie.txt"));
        const QByteArray avant = octets(historique_long(300));
        ASSERT_TRUE(ecrit_octets(chemin, avant));
        QProcess aide;
        aide.start(QStringLiteral(AIDE_HISTORIQUE),
            {QString::fromLatin1(mode), chemin, QString::number(avant.size() + 100)});
        ASSERT_TRUE(aide.waitForFinished(30000));
        EXPECT_EQ(aide.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(aide.exitCode(), 3) << aide.readAllStandardOutput().constData();
        QFile f(chemin);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), avant);
        EXPECT_EQ(QDir(d.chemin()).entryList(QDir::Files | QDir::Hidden),
            QStringList {QStringLiteral("Dupont_Marie.txt")})
            << "no temporary file left behind";
    }
}
