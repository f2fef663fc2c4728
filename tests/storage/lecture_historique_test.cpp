#include "storage/fichier_texte.h"
#include "storage/lecture_historique.h"
#include "support/processus_nobody.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

QString entete(const QString& jour, const QString& date, const QString& poste = QStringLiteral("PC1"))
{
    return QStringLiteral("Séance du %1 %2 de 14:02:10 à 14:20:47 sur le poste \"%3\"")
        .arg(jour, date, poste);
}

// A test line whose records answer every product of table t right in 2 s, or only its first n products.
QString ligne_test(const QString& debut, int t, int n = 8)
{
    QString enr;
    for (int b = 2; b < 2 + n; ++b)
        enr += QStringLiteral("P%1%2%3")
                   .arg(t, 2, 10, QLatin1Char('0'))
                   .arg(b, 2, 10, QLatin1Char('0'))
                   .arg(200000 + t * b, 7, 10, QLatin1Char('0'));
    return QStringLiteral("\tTEST de %1 à 14:06:40 %2").arg(debut, enr);
}

const QString apprentissage = QStringLiteral("\tAPPRENTISSAGE de 14:07:01 à 14:19:58: 84 répétitions");

// Four days, out of order in the file: a test on 28/11, learning only on 02/12, a test on 02/01 of the next
// year written before them, an incomplete then a complete test on 03/12 (two séances of the same day), and
// lines a reader must pass over: before any header, a header that holds no date, a computer named "TEST".
const QStringList historique {
    QStringLiteral("\tTEST avant toute séance"), // 0
    entete(QStringLiteral("Jeudi"), QStringLiteral("02/01/2025")), // 1
    ligne_test(QStringLiteral("11:00:00"), 9), // 2
    entete(QStringLiteral("Jeudi"), QStringLiteral("28/11/2024"), QStringLiteral("SALLE-TEST")), // 3
    ligne_test(QStringLiteral("10:00:00"), 2), // 4
    entete(QStringLiteral("Lundi"), QStringLiteral("02/12/2024")), // 5
    apprentissage, // 6
    QStringLiteral("Séance du Mardi xx/yy/TEST"), // 7
    entete(QStringLiteral("Mardi"), QStringLiteral("03/12/2024")), // 8
    ligne_test(QStringLiteral("09:00:00"), 7, 5), // 9
    apprentissage, // 10
    entete(QStringLiteral("Mardi"), QStringLiteral("03/12/2024")), // 11
    ligne_test(QStringLiteral("15:00:00"), 7), // 12
};

// The same history as a file of each kind a school holds.
struct Fichier
{
    const char* cas;
    QByteArray octets;
};
const Fichier fichiers[] = {
    {"CR LF", vers_cp1252(historique.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"))},
    {"LF sans fin de ligne", vers_cp1252(historique.join(QLatin1Char('\n')))},
    {"CR seul", vers_cp1252(historique.join(QLatin1Char('\r')))},
    {"UTF-8 avec sa marque", "\xEF\xBB\xBF" + historique.join(QStringLiteral("\r\n")).toUtf8()},
};

} // namespace

TEST(LectureHistorique, le_test_choisi_selon_le_mode_la_date_et_les_tests_complets)
{
    const struct
    {
        ModeChoixTest mode;
        const char* date;
        bool masquer;
        const char* objectifs;
        int ligne; // -1: no test
        int seance;
    } cas[] = {
        // Days compare as dates, not in file order; a day with learning only is passed over.
        {ModeChoixTest::dernier, "03/12/2024", false, "", 9, 8},
        {ModeChoixTest::dernier, "02/12/2024", false, "", 4, 3},
        {ModeChoixTest::dernier, "31/12/2024", false, "", 9, 8},
        {ModeChoixTest::dernier, "15/06/2025", false, "", 2, 1},
        {ModeChoixTest::dernier, "27/11/2024", false, "", -1, 0},
        {ModeChoixTest::premier, "01/09/2024", false, "", 4, 3},
        {ModeChoixTest::premier, "29/11/2024", false, "", 9, 8},
        {ModeChoixTest::premier, "04/12/2024", false, "", 2, 1},
        {ModeChoixTest::premier, "03/01/2025", false, "", -1, 0},
        // Hiding incomplete tests looks further in the day, then in the days.
        {ModeChoixTest::dernier, "03/12/2024", true, "table_7", 12, 11},
        {ModeChoixTest::dernier, "03/12/2024", true, "table_9", -1, 0},
        {ModeChoixTest::premier, "01/11/2024", true, "table_9", 2, 1},
        {ModeChoixTest::dernier, "demain", false, "", -1, 0},
    };
    for (const Fichier& f : fichiers)
        for (const auto& c : cas) {
            const TestChoisi t = test_choisi(
                f.octets, {c.mode, QString::fromLatin1(c.date), c.masquer, QString::fromLatin1(c.objectifs)});
            const std::string quoi = std::string(f.cas) + " " + c.date + " " + c.objectifs;
            if (c.ligne < 0) {
                EXPECT_FALSE(t.trouve()) << quoi;
                continue;
            }
            EXPECT_EQ(t.ligne, historique[c.ligne]) << quoi;
            EXPECT_EQ(t.seance, historique[c.seance]) << quoi;
            EXPECT_EQ(t.date, historique[c.seance].mid(16, 10)) << quoi;
        }
    EXPECT_FALSE(test_choisi({}, {ModeChoixTest::dernier, QStringLiteral("03/12/2024"), false, {}}).trouve());
}

// Line ends and "/" are looked for many bytes at a time: each must be found wherever it falls in a block.
TEST(LectureHistorique, les_reperes_se_trouvent_a_toute_place_dans_les_octets)
{
    const ChoixTest choix {
        ModeChoixTest::dernier, QStringLiteral("03/12/2024"), true, QStringLiteral("table_7")};
    for (int decalage = 0; decalage <= 64; ++decalage)
        for (const char* fin : {"\r\n", "\n", "\r"}) {
            const QByteArray octets
                = QByteArray(decalage, 'x') + fin + vers_cp1252(historique.join(QString::fromLatin1(fin)));
            const TestChoisi t = test_choisi(octets, choix);
            EXPECT_EQ(t.ligne, historique[12]) << decalage;
            EXPECT_EQ(t.seance, historique[11]) << decalage;
        }
}

TEST(LectureHistorique, une_marque_utf8_suivie_d_octets_windows_1252_se_lit_en_windows_1252)
{
    const QString t = ligne_test(QStringLiteral("09:00:00"), 3);
    const QByteArray octets = "\xEF\xBB\xBF"
        + vers_cp1252(
            entete(QStringLiteral("Mardi"), QStringLiteral("03/12/2024")) + QStringLiteral("\r\n") + t);
    const TestChoisi choisi
        = test_choisi(octets, {ModeChoixTest::dernier, QStringLiteral("03/12/2024"), false, {}});
    EXPECT_EQ(choisi.ligne, t);
    EXPECT_EQ(choisi.enregistrements().left(12), QStringLiteral("P03020200006"));
}

// Missing is no fault; a history that is there and cannot be read is named, never taken for a pupil without
// a test's history.
TEST(LectureHistorique, un_historique_absent_ou_illisible)
{
    QTemporaryDir d;
    const QDir dossier(d.path());
    const ChoixTest choix {ModeChoixTest::dernier, QStringLiteral("03/12/2024"), false, {}};
    const QString lisible = dossier.filePath(QStringLiteral("Lu_Paul.txt"));
    ASSERT_TRUE(ecrit_octets(lisible, fichiers[0].octets));
    const QString repertoire = dossier.filePath(QStringLiteral("Dossier_Luc.txt"));
    ASSERT_TRUE(dossier.mkdir(QStringLiteral("Dossier_Luc.txt")));
    const QString fifo = dossier.filePath(QStringLiteral("Fifo_Lea.txt"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0666), 0);

    const TestLu lu = lit_test_choisi(lisible, choix);
    EXPECT_EQ(lu.etat, TestLu::lu);
    EXPECT_EQ(lu.test.ligne, historique[9]);
    EXPECT_EQ(lit_test_choisi(dossier.filePath(QStringLiteral("Absent.txt")), choix).etat, TestLu::absent);
    for (const QString& chemin : {repertoire, fifo}) {
        const TestLu t = lit_test_choisi(chemin, choix);
        EXPECT_EQ(t.etat, TestLu::illisible) << chemin.toStdString();
        EXPECT_FALSE(t.test.trouve());
    }
    // A file its reader may not open.
    ::chmod(QFile::encodeName(d.path()).constData(), 0755);
    ::chmod(QFile::encodeName(lisible).constData(), 0600);
    EXPECT_EQ(dans_un_processus_nobody([&] { return int(lit_test_choisi(lisible, choix).etat); }),
        int(TestLu::illisible));

    EXPECT_EQ(phrase_historique_illisible(QStringLiteral("Dupont_Marie")),
        QStringLiteral("Dupont_Marie : historique illisible"));
    const QString message = message_illisibles({QStringLiteral("/e/A_a.txt"), QStringLiteral("/e/B_b.txt")});
    EXPECT_TRUE(message.startsWith(QStringLiteral("2 historiques n'ont pas pu être lus")));
    EXPECT_TRUE(message.contains(phrase_historique_illisible(QStringLiteral("/e/B_b.txt"))));
    EXPECT_TRUE(message_illisibles({}).isEmpty());
}

TEST(LectureHistorique, resume_des_seances_et_des_jours_de_test)
{
    for (const Fichier& f : fichiers) {
        const ResumeEleve r = resume_historique(f.octets);
        EXPECT_EQ(r.seances, 5) << f.cas;
        EXPECT_EQ(r.premiere_seance, QStringLiteral("Jeudi 02/01/2025")) << f.cas;
        EXPECT_EQ(r.temps_total(), QStringLiteral("temps total: 01:33:05")) << f.cas;
        ASSERT_EQ(r.jours.size(), 3) << f.cas;
        // The day's first tested séance gives its line; the second séance of 03/12 adds no day.
        EXPECT_EQ(r.jours[2].date, QStringLiteral("Mardi 03/12/2024")) << f.cas;
        EXPECT_EQ(r.jours[2].ligne, historique[9]) << f.cas;
    }
}

TEST(LectureHistorique, nom_et_prenom_du_chemin)
{
    EXPECT_EQ(nom_et_prenom(QStringLiteral("/e/Collège/Le Goff_Anne-Marie.txt")),
        (QStringList {QStringLiteral("Le Goff"), QStringLiteral("Anne-Marie")}));
    EXPECT_EQ(nom_et_prenom(QStringLiteral("C:\\e\\Dupont_Marie.txt")).value(1), QStringLiteral("Marie"));
    EXPECT_EQ(nom_et_prenom(QStringLiteral("Sanprenom.txt")),
        (QStringList {QStringLiteral("Sanprenom"), QString()}));
}
