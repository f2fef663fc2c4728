#include "storage/fichier_texte.h"
#include "support/dossier_test.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

TEST(FichierTexte, les_lettres_entre_0x80_et_0x9f_ne_sont_pas_du_latin1)
{
    const QString texte = QStringLiteral("é œ Œ Ÿ € …");
    const QByteArray octets = vers_cp1252(texte);
    EXPECT_EQ(octets, QByteArray("\xE9 \x9C \x8C \x9F \x80 \x85"));
    EXPECT_EQ(depuis_cp1252(octets), texte);
    EXPECT_EQ(vers_cp1252(QStringLiteral("日")), QByteArray("?"));
    // Unassigned bytes survive a read and a write unchanged.
    EXPECT_EQ(
        vers_cp1252(depuis_cp1252(QByteArray("\x81\x8D\x8F\x90\x9D"))), QByteArray("\x81\x8D\x8F\x90\x9D"));
}

TEST(FichierTexte, les_fins_de_ligne_crlf_lf_et_cr_se_lisent_pareil)
{
    EXPECT_EQ(decoupe_lignes(QStringLiteral("a\r\nb\nc\rd")), (QStringList {"a", "b", "c", "d"}));
    EXPECT_EQ(decoupe_lignes(QStringLiteral("a\r\n\r\n")), (QStringList {"a", ""}));
    EXPECT_TRUE(decoupe_lignes(QString()).isEmpty());
}

TEST(FichierTexte, chaque_octet_se_relit_comme_son_caractere_quelle_que_soit_sa_place)
{
    DossierTest d;
    const QString chemin = d.chemin("octets.txt");
    QByteArray octets;
    QStringList attendu;
    // Every byte but the line breaks, at each place of a long line, with every kind of line break.
    const char* fins[] = {"\r\n", "\n", "\r"};
    int n = 0;
    for (int octet = 0; octet < 256; ++octet) {
        if (octet == '\r' || octet == '\n')
            continue;
        const int place = octet % 19;
        QByteArray ligne(19, 'a');
        ligne[place] = char(octet);
        QString texte(19, u'a');
        texte[place] = car_cp1252(static_cast<unsigned char>(octet));
        octets += ligne + fins[n++ % 3];
        attendu << texte;
    }
    octets += "\r\r\nfin";
    attendu << QString() << QString() << QStringLiteral("fin");
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(octets);
    f.close();
    EXPECT_EQ(lit_lignes(chemin).value(), attendu);
    EXPECT_EQ(decoupe_lignes(lit_texte(chemin).value()), attendu);
}

// Several bytes of 0x80..0x9F side by side, and straddling the eight-byte words the decoder reads.
TEST(FichierTexte, des_octets_entre_0x80_et_0x9f_voisins_se_relisent_tous)
{
    for (int decalage = 0; decalage < 9; ++decalage) {
        QByteArray octets(decalage, 'x');
        QString attendu(decalage, u'x');
        for (int octet = 0x9F; octet >= 0x80; --octet) {
            octets += char(octet);
            attendu += car_cp1252(static_cast<unsigned char>(octet));
        }
        octets += "\xE9t\xE9";
        attendu += QStringLiteral("été");
        EXPECT_EQ(depuis_cp1252(octets), attendu) << decalage;
    }
}

TEST(FichierTexte, chaque_caractere_s_ecrit_comme_son_octet_quelle_que_soit_sa_place)
{
    DossierTest d;
    const QString chemin = d.chemin("caracteres.txt");
    QStringList lignes;
    QByteArray attendu;
    // U+0080 is not the byte 0x80 (that is "€"), and "Œ" is 0x8C: neither may pass as Latin-1.
    for (char16_t u = 0; u < 0x180; ++u) {
        if (u == u'\r' || u == u'\n')
            continue;
        QString ligne(37, u'a');
        ligne[u % 37] = QChar(u);
        QByteArray octets(37, 'a');
        octets[u % 37] = static_cast<char>(octet_cp1252(QChar(u)));
        EXPECT_EQ(vers_cp1252(ligne), octets) << int(u);
        lignes << ligne;
        attendu += octets + "\r\n";
    }
    ASSERT_TRUE(ecrit_lignes(chemin, lignes));
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), attendu);
}

TEST(FichierTexte, un_fichier_utf8_avec_bom_se_lit_en_utf8)
{
    DossierTest d;
    QFile f(d.chemin("u.ini"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("\xEF\xBB\xBF[G\xC3\xA9n\xC3\xA9ral]\n");
    f.close();
    EXPECT_EQ(lit_lignes(d.chemin("u.ini")).value(), QStringList {QStringLiteral("[Général]")});

    // The same three bytes before Windows-1252 text are letters of that text, not a mark.
    QFile g(d.chemin("h.txt"));
    ASSERT_TRUE(g.open(QIODevice::WriteOnly));
    g.write("\xEF\xBB\xBFS\xE9"
            "ance\r\n");
    g.close();
    EXPECT_EQ(lit_lignes(d.chemin("h.txt")).value(), QStringList {QStringLiteral("ï»¿Séance")});
}

TEST(FichierTexte, une_ecriture_impossible_est_signalee_et_ne_touche_a_rien)
{
    DossierTest d;
    EXPECT_FALSE(lit_lignes(d.chemin("absent.txt")).has_value());
    const Ecriture e = ecrit_lignes(d.chemin("pas/de/dossier.txt"), {QStringLiteral("x")});
    EXPECT_FALSE(e.ok);
    EXPECT_FALSE(e.erreur.isEmpty());

    // A folder standing where the file should go is left alone, not moved aside.
    ASSERT_TRUE(d.cree("h.txt/dedans"));
    EXPECT_FALSE(ecrit_lignes(d.chemin("h.txt"), {QStringLiteral("x")}).ok);
    EXPECT_TRUE(QFileInfo(d.chemin("h.txt/dedans")).isDir());
}

// Written piece by piece, a file holds every piece in order; a writer that stops short or a piece that
// cannot be written leaves the previous file as it was, nothing beside it, and says so.
TEST(FichierTexte, une_ecriture_par_morceaux_donne_tout_le_fichier_ou_laisse_l_ancien)
{
    struct Cas
    {
        const char* nom;
        const char* cible; // in the test folder, or a device
        int morceaux; // given before the writer stops
        bool produit_entier;
        bool reussit;
    };
    const Cas cas[] = {
        {"trois morceaux", "bilans.pdf", 3, true, true},
        {"aucun morceau", "bilans.pdf", 0, true, true},
        {"arrete apres deux morceaux", "bilans.pdf", 2, false, false},
        {"disque plein des le premier morceau", "/dev/full", 3, true, false},
    };
    const QByteArray ancien("%PDF-1.4 ancien\r\n");
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        DossierTest d;
        const bool fichier = c.cible[0] != '/';
        const QString chemin
            = fichier ? d.chemin(QString::fromLatin1(c.cible)) : QString::fromLatin1(c.cible);
        if (fichier) {
            ASSERT_TRUE(ecrit_octets(chemin, ancien));
        }
        QByteArray attendu;
        int refuses = 0;
        const Ecriture e = ecrit_par_morceaux(chemin, [&](const EcritMorceau& ecris) {
            for (int i = 0; i < c.morceaux; ++i) {
                const QByteArray morceau = QByteArray(100000 + i, char('a' + i)) + "\r\n";
                attendu += morceau;
                refuses += ecris(morceau) ? 0 : 1;
            }
            return c.produit_entier && refuses == 0;
        });
        EXPECT_EQ(e.ok, c.reussit) << e.erreur.toStdString();
        EXPECT_EQ(e.erreur.isEmpty(), c.reussit);
        if (!fichier) {
            EXPECT_EQ(refuses, c.morceaux);
            continue;
        }
        QFile f(chemin);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_TRUE(f.readAll() == (c.reussit ? attendu : ancien));
        EXPECT_EQ(QDir(d.chemin()).entryList(QDir::Files | QDir::Hidden | QDir::System),
            QStringList {QStringLiteral("bilans.pdf")});
    }
}

TEST(FichierTexte, un_fichier_qui_s_ouvre_mais_ne_se_lit_pas_n_est_pas_pris_pour_un_fichier_vide)
{
    // Opening this file works and every read fails with EIO, as on a share that drops mid-read.
    const QString illisible = QStringLiteral("/proc/self/mem");
    ASSERT_TRUE(QFile(illisible).open(QIODevice::ReadOnly));
    EXPECT_FALSE(lit_lignes(illisible).has_value());
    EXPECT_FALSE(lit_texte(illisible).has_value());
}

TEST(FichierTexte, l_ancien_fichier_laisse_de_cote_par_une_ecriture_tuee_reprend_sa_place)
{
    DossierTest d;
    // Where renaming over a file is refused, the old one is moved aside first: killed there, it stays aside.
    QFile ancien(d.chemin("h.txt.tabrix-tmp-ancien"));
    ASSERT_TRUE(ancien.open(QIODevice::WriteOnly));
    ancien.write("S\xE9"
                 "ance\r\n");
    ancien.setFileTime(QDateTime::currentDateTime().addDays(-1), QFileDevice::FileModificationTime);
    ancien.close();
    ASSERT_TRUE(ecrit_lignes(d.chemin("autre.txt"), {QStringLiteral("x")}));
    EXPECT_EQ(lit_lignes(d.chemin("h.txt")), QStringList {QStringLiteral("Séance")});
}

TEST(FichierTexte, une_ecriture_ne_remplace_pas_un_fichier_retrouve_de_cote)
{
    DossierTest d;
    ASSERT_TRUE(ecrit_lignes(d.chemin("h.txt"), {QStringLiteral("1000 lignes")}));
    ASSERT_TRUE(QFile::rename(d.chemin("h.txt"), d.chemin("h.txt.tabrix-tmp-ancien")));
    // Bytes computed while the file seemed missing would replace it: the write is refused and says so.
    const Ecriture e = ecrit_lignes(d.chemin("h.txt"), {QStringLiteral("1 ligne")});
    EXPECT_FALSE(e.ok);
    EXPECT_FALSE(e.erreur.isEmpty());
    EXPECT_EQ(lit_lignes(d.chemin("h.txt")), QStringList {QStringLiteral("1000 lignes")});
    EXPECT_TRUE(fichier_present(d.chemin("h.txt")));
}

namespace {

// A file with these bytes, last modified `age_min` minutes ago.
void cree_ancien(const QString& chemin, int age_min, const QByteArray& octets = "copie")
{
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(octets);
    f.flush();
    f.setFileTime(QDateTime::currentDateTime().addSecs(-60 * age_min), QFileDevice::FileModificationTime);
}

} // namespace

// A kill leaves a temporary beside the file it was replacing: QSaveFile's is the file's name, "." and six
// letters of A-Z and a-z (never a digit), ours "." + name + ".tabrix-tmp-" + six letters.
TEST(FichierTexte, les_temporaires_oublies_des_fichiers_ecrits_partent_et_rien_d_autre)
{
    DossierTest d;
    for (const char* nom : {"Dupont_Marie.txt", "Tabrix.ini", "notes.txt", "x.TXT"})
        ASSERT_TRUE(ecrit_lignes(d.chemin(QString::fromLatin1(nom)), {QStringLiteral("x")}));
    const struct
    {
        const char* nom;
        int age_min;
        bool reste;
    } cas[] = {
        {"Dupont_Marie.txt.aBqxYz", 60 * 24, false},
        {"Tabrix.ini.QhkLmW", 11, false},
        {"x.TXT.bACKuP", 60 * 24, false},
        {".Dupont_Marie.txt.tabrix-tmp-KdeQsT", 60 * 24, false},
        {"Dupont_Marie.txt.ZxqYwB", 2, true}, // perhaps a write in progress
        {".Tabrix.ini.tabrix-tmp-KdeQsT", 2, true},
        // Copies people make: digits, or a word as they write it.
        {"notes.txt.Copie1", 60 * 24, true},
        {"Dupont_Marie.txt.bak001", 60 * 24, true},
        {"Tabrix.ini.OLD123", 60 * 24, true},
        {"x.TXT.Sauve2", 60 * 24, true},
        {"notes.txt.BACKUP", 60 * 24, true},
        {"notes.txt.backup", 60 * 24, true},
        {"notes.txt.Backup", 60 * 24, true},
        {"Tabrix.ini.tabrix-tmp-copie", 60 * 24, true},
        {".notes.txt.tabrix-tmp-Copie1", 60 * 24, true},
        {"photo.jpg.aBqxYz", 60 * 24, true}, // not a file we write
        {"Absent_Eleve.txt.aBqxYz", 60 * 24, true}, // no file of ours beside it
        {"Dupont_Marie.txt.aBqxY", 60 * 24, true},
        {"Dupont_Marie.txt.aBqxYzW", 60 * 24, true},
    };
    for (const auto& c : cas)
        cree_ancien(d.chemin(QString::fromLatin1(c.nom)), c.age_min);
    ASSERT_TRUE(ecrit_lignes(d.chemin("autre.txt"), {QStringLiteral("x")}));
    for (const auto& c : cas)
        EXPECT_EQ(QFile::exists(d.chemin(QString::fromLatin1(c.nom))), c.reste) << c.nom;
}

// When removing the set-aside copy failed after a write that succeeded, the copy is older than the file.
TEST(FichierTexte, une_copie_mise_de_cote_plus_ancienne_que_son_fichier_part_sans_jamais_revenir)
{
    DossierTest d;
    const QString chemin = d.chemin("h.txt");
    const QString copie = chemin + QStringLiteral(".tabrix-tmp-ancien");
    for (const bool par_ecriture : {false, true}) {
        ASSERT_TRUE(ecrit_lignes(chemin, {QStringLiteral("nouveau")}));
        cree_ancien(copie, 3, "ancien\r\n");
        if (par_ecriture)
            ASSERT_TRUE(ecrit_lignes(d.chemin("autre.txt"), {QStringLiteral("x")}));
        else
            EXPECT_EQ(lit_lignes(chemin), QStringList {QStringLiteral("nouveau")});
        EXPECT_FALSE(QFile::exists(copie)) << par_ecriture;
        // The file lost later is lost, not replaced by what it held before the write.
        ASSERT_TRUE(QFile::remove(chemin));
        EXPECT_FALSE(fichier_present(chemin));
        EXPECT_FALSE(lit_lignes(chemin).has_value());
    }
}

// Read whole, a FIFO would wait for a writer and /dev/zero would fill the memory: only regular files of
// at most taille_lisible_max bytes are read, and the others count as unreadable.
TEST(FichierTexte, seuls_les_fichiers_ordinaires_de_taille_raisonnable_se_lisent)
{
    DossierTest d;
    ASSERT_EQ(::mkfifo(QFile::encodeName(d.chemin("tube.txt")).constData(), 0644), 0);
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), d.chemin("zero.txt")));
    QFile enorme(d.chemin("enorme.txt"));
    ASSERT_TRUE(enorme.open(QIODevice::WriteOnly) && enorme.resize(taille_lisible_max + 1));
    enorme.close();
    QFile limite(d.chemin("limite.txt"));
    ASSERT_TRUE(limite.open(QIODevice::WriteOnly) && limite.resize(taille_lisible_max));
    limite.close();
    ASSERT_TRUE(d.cree("dossier.txt"));
    for (const char* nom : {"tube.txt", "zero.txt", "enorme.txt", "dossier.txt"}) {
        EXPECT_FALSE(lit_lignes(d.chemin(QString::fromLatin1(nom))).has_value()) << nom;
        EXPECT_FALSE(lit_fichier(d.chemin(QString::fromLatin1(nom))).has_value()) << nom;
    }
    EXPECT_EQ(lit_fichier(d.chemin("limite.txt")).value_or(QByteArray()).size(), taille_lisible_max);
}

// The index of a school is such a file: appended to, or replaced whole by rename.
TEST(FichierTexte, un_fichier_a_ajouts_se_garde_tel_qu_il_etait_quand_il_a_ete_pris)
{
    DossierTest d;
    const QString chemin = d.chemin("index.bin");
    ASSERT_TRUE(ecrit_octets(chemin, "abc"));
    const auto avant = lit_fichier_ajoute(chemin);
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::Append) && f.write("def") == 3);
    f.close();
    const auto apres = lit_fichier_ajoute(chemin);
    ASSERT_TRUE(ecrit_octets(chemin, "xyz!"));
    const auto remplace = lit_fichier_ajoute(chemin);
    ASSERT_TRUE(avant && apres && remplace);
    EXPECT_EQ(avant->octets(), "abc");
    EXPECT_EQ(apres->octets(), "abcdef");
    EXPECT_EQ(remplace->octets(), "xyz!");
    EXPECT_EQ(remplace->etat, etat_fichier(chemin));
    EXPECT_EQ(avant->octets(), "abc");

    ASSERT_TRUE(ecrit_octets(d.chemin("vide.bin"), {}));
    ASSERT_TRUE(lit_fichier_ajoute(d.chemin("vide.bin")));
    EXPECT_TRUE(lit_fichier_ajoute(d.chemin("vide.bin"))->octets().isEmpty());
    ASSERT_EQ(::mkfifo(QFile::encodeName(d.chemin("tube.bin")).constData(), 0644), 0);
    ASSERT_TRUE(d.cree("dossier.bin"));
    for (const QString& rien :
        {d.chemin("tube.bin"), d.chemin("dossier.bin"), d.chemin("absent.bin"), QStringLiteral("/dev/zero")})
        EXPECT_FALSE(lit_fichier_ajoute(rien)) << qPrintable(rien);
}

namespace {

bool est_un_tube(const QString& chemin)
{
    struct stat st;
    return ::lstat(QFile::encodeName(chemin).constData(), &st) == 0 && S_ISFIFO(st.st_mode);
}

} // namespace

// Renaming over a device or a FIFO would leave a plain file in its place.
TEST(FichierTexte, un_tube_nomme_recoit_les_octets_sans_etre_remplace_et_sans_lecteur_le_refus_est_dit)
{
    DossierTest d;
    const QString tube = d.chemin("tube.txt");
    ASSERT_EQ(::mkfifo(QFile::encodeName(tube).constData(), 0644), 0);
    const Ecriture sans_lecteur = ecrit_lignes(tube, {QStringLiteral("x")});
    EXPECT_FALSE(sans_lecteur.ok);
    EXPECT_TRUE(sans_lecteur.erreur.contains(QStringLiteral("aucun programme ne le lit")));
    EXPECT_TRUE(est_un_tube(tube));

    const int lecteur = ::open(QFile::encodeName(tube).constData(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(lecteur, 0);
    EXPECT_TRUE(ecrit_lignes(tube, {QStringLiteral("élève")}));
    char octets[16] = {};
    EXPECT_EQ(::read(lecteur, octets, sizeof octets), 7);
    EXPECT_EQ(QByteArray(octets, 7), QByteArray("\xE9l\xE8ve\r\n"));
    ::close(lecteur);
    EXPECT_TRUE(est_un_tube(tube));
    EXPECT_EQ(
        QDir(d.chemin()).entryList(QDir::Files | QDir::Hidden | QDir::System), QStringList {"tube.txt"});
}
