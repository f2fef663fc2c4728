#include "core/horloge.h"
#include "storage/index_historiques.h"
#include "support/ecole_generee.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <atomic>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>

namespace {

// A small school, the histories asked with several choices: the dernier test before a date, the premier from
// a date, and the complete tests of table 7 only.
struct Ecole
{
    QTemporaryDir eleves;
    QTemporaryDir statistiques;
    EcoleGeneree generee;
    QString etablissement;
    QStringList chemins;
    HorlogeManuelle horloge {QDateTime(QDate(2024, 12, 3), QTime(14, 2, 10))};

    Ecole()
    {
        generee.eleves = 8;
        generee.seances = 5;
        EXPECT_TRUE(generee.ecrit(eleves.path()));
        etablissement = generee.dossier_etablissement(eleves.path());
        for (int e = 0; e < generee.eleves; ++e)
            chemins << etablissement + QLatin1Char('/') + EcoleGeneree::nom_eleve(e) + QStringLiteral(".txt");
    }

    QString fichier_index() const { return statistiques.filePath(nom_index_historiques); }

    QVector<DemandeTest> demandes() const
    {
        const ChoixTest choix[] = {
            {ModeChoixTest::dernier, QStringLiteral("04/09/2024"), false, {}},
            {ModeChoixTest::premier, QStringLiteral("03/09/2024"), false, {}},
            {ModeChoixTest::dernier, QStringLiteral("31/12/2024"), true, QStringLiteral("table_7")},
        };
        QVector<DemandeTest> d;
        for (const ChoixTest& c : choix)
            for (const QString& chemin : chemins)
                d.append({chemin, c});
        return d;
    }

    // A séance appended on `date` whose test holds table 7 only when `complet`.
    void ajoute_seance(const QString& chemin, const QString& date, bool complet) const
    {
        QString enregistrements;
        for (int b = complet ? 1 : 2; b <= 10; ++b)
            enregistrements
                += enregistrement_reponse(QStringLiteral("07%1").arg(b, 2, 10, QLatin1Char('0')), 20, 7 * b);
        const QStringList lignes {
            ligne_entete_seance(QStringLiteral("Lundi"), date, QStringLiteral("09:00:00"),
                QStringLiteral("09:20:00"), QStringLiteral("SALLE-2")),
            ligne_test(QStringLiteral("09:01:00"), QStringLiteral("09:05:00"), enregistrements)};
        QFile f(chemin);
        ASSERT_TRUE(f.open(QIODevice::Append));
        f.write(vers_cp1252(lignes.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
    }
};

// What a build gives, to compare one with and one without the index.
QStringList resultats(const QVector<TestLu>& lus)
{
    QStringList r;
    for (const TestLu& l : lus)
        r << QStringLiteral("%1|%2|%3|%4").arg(int(l.etat)).arg(l.test.date, l.test.seance, l.test.ligne);
    return r;
}

void remet_date(const QString& chemin, const struct stat& avant)
{
    const timespec temps[2] = {avant.st_atim, avant.st_mtim};
    ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(chemin).constData(), temps, 0), 0);
}

struct stat etat_de(const QString& chemin)
{
    struct stat st
    {
    };
    ::stat(QFile::encodeName(chemin).constData(), &st);
    return st;
}

} // namespace

// The same school built with and without the index after each kind of change between builds; the index
// reads in full only what changed.
TEST(IndexHistoriques, memes_resultats_que_sans_index_apres_chaque_changement)
{
    Ecole ecole;
    ecole.horloge.fixe_date(QDateTime::currentDateTime());
    IndexHistoriques index(ecole.fichier_index(), ecole.horloge);
    const auto compare = [&](const char* etape, int relus) {
        index.remet_compteurs();
        const QVector<TestLu> avec = lit_tests_choisis(ecole.demandes(), &index);
        EXPECT_EQ(resultats(avec), resultats(lit_tests_choisis(ecole.demandes(), nullptr))) << etape;
        if (relus >= 0) {
            EXPECT_EQ(index.historiques_lus(), relus) << etape;
        }
    };
    compare("index vide", 3 * ecole.generee.eleves);
    compare("rien de changé", 0);
    // Histories written a moment ago: their last bytes are compared, the rest is not read.
    EXPECT_LE(index.octets_lus(), 3 * ecole.generee.eleves * 4096);

    // Rewritten within the same time tick: same size, same date, another test chosen. Only the last bytes
    // can tell, which the index compares while the history is that recent.
    const struct stat avant = etat_de(ecole.chemins[2]);
    QFile f(ecole.chemins[2]);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    QByteArray octets = f.readAll();
    const qsizetype p = octets.lastIndexOf("P0702");
    octets[p + 8] = octets[p + 8] == '1' ? '2' : '1';
    octets.replace(octets.lastIndexOf("/2024") - 5, 2, "01");
    f.seek(0);
    f.write(octets);
    f.close();
    remet_date(ecole.chemins[2], avant);
    compare("réécrit à la même taille et à la même date", -1);

    // An hour later the histories are old enough for their state alone to tell them unchanged.
    ecole.horloge.avance_ms(3600 * 1000);
    compare("une heure après", 0);
    compare("rien de changé depuis une heure", 0);
    EXPECT_EQ(index.octets_lus(), 0) << "the chosen lines are kept in the index";

    ecole.ajoute_seance(ecole.chemins[0], QStringLiteral("02/09/2024"), true);
    ecole.ajoute_seance(ecole.chemins[1], QStringLiteral("20/10/2024"), false);
    compare("séances ajoutées", 2 * 3);

    ASSERT_TRUE(QFile::remove(ecole.chemins[3]));
    compare("historique supprimé", 0);
    const QString renomme = ecole.etablissement + QStringLiteral("/Nouveau_Nom.txt");
    ASSERT_TRUE(QFile::rename(ecole.chemins[4], renomme));
    ecole.chemins << renomme;
    compare("historique renommé", 3);
    // Damaged: a folder, a FIFO, a file that is no history.
    ASSERT_TRUE(QFile::remove(ecole.chemins[5]) && QDir().mkdir(ecole.chemins[5]));
    ASSERT_TRUE(QFile::remove(ecole.chemins[6]));
    ASSERT_EQ(::mkfifo(QFile::encodeName(ecole.chemins[6]).constData(), 0666), 0);
    QFile abime(ecole.chemins[7]);
    ASSERT_TRUE(abime.open(QIODevice::WriteOnly | QIODevice::Truncate));
    abime.write(QByteArray(5000, '\0'));
    abime.close();
    compare("historiques abîmés", -1);

    // Another build, as on the next morning or another machine: the file alone brings what was learnt.
    IndexHistoriques relu(ecole.fichier_index(), ecole.horloge);
    const QVector<TestLu> avec = lit_tests_choisis(ecole.demandes(), &relu);
    EXPECT_EQ(resultats(avec), resultats(lit_tests_choisis(ecole.demandes(), nullptr)));
    EXPECT_EQ(relu.historiques_lus(), 2 * 3) << "the folder and the FIFO are looked at again each time";
}

// The index is a cache: whatever stands in its place, the results are those of the histories, and a file
// that is not a sound index of ours is written anew, never read as one.
TEST(IndexHistoriques, un_index_abime_ou_etranger_est_ignore_puis_refait)
{
    Ecole ecole;
    const QStringList attendus = resultats(lit_tests_choisis(ecole.demandes(), nullptr));
    {
        IndexHistoriques index(ecole.fichier_index(), ecole.horloge);
        lit_tests_choisis(ecole.demandes(), &index);
    }
    QFile f(ecole.fichier_index());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray sain = f.readAll();
    f.close();
    ASSERT_GT(sain.size(), 1000);

    QByteArray etranger = sain;
    etranger[3] = 'X';
    QByteArray octet_change = sain;
    octet_change[sain.size() / 2] = char(octet_change[sain.size() / 2] ^ 0x20);
    const struct
    {
        const char* cas;
        QByteArray octets;
        bool relit_tout; // nothing of it can be trusted
    } cas[] = {
        {"vide", {}, true},
        {"n'importe quoi", QByteArray(4096, 'x'), true},
        {"d'un autre programme", etranger, true},
        {"coupé au milieu d'un enregistrement", sain.left(sain.size() - 100), false},
        {"un octet changé", octet_change, false},
    };
    for (const auto& c : cas) {
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(c.octets);
        f.close();
        IndexHistoriques index(ecole.fichier_index(), ecole.horloge);
        EXPECT_EQ(resultats(lit_tests_choisis(ecole.demandes(), &index)), attendus) << c.cas;
        if (c.relit_tout) {
            EXPECT_EQ(index.historiques_lus(), 3 * ecole.generee.eleves) << c.cas;
        }
        // Written anew: the next build reads nothing.
        IndexHistoriques suivant(ecole.fichier_index(), ecole.horloge);
        EXPECT_EQ(resultats(lit_tests_choisis(ecole.demandes(), &suivant)), attendus) << c.cas;
        EXPECT_EQ(suivant.historiques_lus(), 0) << c.cas;
    }

    // What is not a file is left alone: a folder, and a FIFO that would hold a reader.
    ASSERT_TRUE(QFile::remove(ecole.fichier_index()));
    for (const bool fifo : {false, true}) {
        if (fifo)
            ASSERT_EQ(::mkfifo(QFile::encodeName(ecole.fichier_index()).constData(), 0666), 0);
        else
            ASSERT_TRUE(QDir().mkdir(ecole.fichier_index()));
        IndexHistoriques index(ecole.fichier_index(), ecole.horloge);
        EXPECT_EQ(resultats(lit_tests_choisis(ecole.demandes(), &index)), attendus);
        EXPECT_FALSE(index.enregistre());
        EXPECT_EQ(nature_chemin(ecole.fichier_index()), fifo ? NatureChemin::flux : NatureChemin::dossier);
        if (fifo)
            ::unlink(QFile::encodeName(ecole.fichier_index()).constData());
        else
            QDir().rmdir(ecole.fichier_index());
    }
}

// Two machines on one share, which mount it at different places, build at the same time: each learns from
// the other's writes and neither ever gets a result the histories do not give.
TEST(IndexHistoriques, deux_postes_a_la_fois)
{
    Ecole ecole;
    const QString autre_montage = ecole.statistiques.filePath(QStringLiteral("montage"));
    ASSERT_TRUE(QFile::link(ecole.eleves.path(), autre_montage));
    const auto vu_par_b = [&](QVector<DemandeTest> d) {
        for (DemandeTest& x : d)
            x.chemin.replace(ecole.eleves.path(), autre_montage);
        return d;
    };
    IndexHistoriques a(ecole.fichier_index(), ecole.horloge);
    IndexHistoriques b(ecole.fichier_index(), ecole.horloge);
    lit_tests_choisis(ecole.demandes(), &a);
    lit_tests_choisis(vu_par_b(ecole.demandes()), &b);
    EXPECT_EQ(b.historiques_lus(), 0) << "B finds what A learnt, under its own mount";

    std::atomic<bool> faux = false;
    // Each compares what it reads with and without its index, but for the history the other one changes.
    const auto poste = [&](IndexHistoriques& index, bool est_b, int eleve) {
        QVector<DemandeTest> d = ecole.demandes();
        d.removeIf([&](const DemandeTest& x) { return x.chemin == ecole.chemins[1 - eleve]; });
        if (est_b)
            d = vu_par_b(d);
        for (int tour = 0; tour < 25; ++tour) {
            ecole.ajoute_seance(
                ecole.chemins[eleve], QStringLiteral("0%1/10/2024").arg(1 + tour % 9), tour % 2);
            if (resultats(lit_tests_choisis(d, &index)) != resultats(lit_tests_choisis(d, nullptr)))
                faux = true;
        }
    };
    std::thread ta([&] { poste(a, false, 0); });
    std::thread tb([&] { poste(b, true, 1); });
    ta.join();
    tb.join();
    EXPECT_FALSE(faux);
    IndexHistoriques c(ecole.fichier_index(), ecole.horloge);
    EXPECT_EQ(resultats(lit_tests_choisis(ecole.demandes(), &c)),
        resultats(lit_tests_choisis(ecole.demandes(), nullptr)));
    EXPECT_LE(c.historiques_lus(), 3 * 2) << "at most the two last changed";
}
