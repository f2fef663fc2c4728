#include "storage/verrou_fichier.h"
#include "support/dossier_test.h"

#include <QDateTime>
#include <QFile>
#include <QLockFile>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

QByteArray contenu(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

// Machines of the school that still lock with QLockFile read our lock file: it must be theirs to the byte,
// and they must take it for a live lock, not a stale one they would remove.
TEST(VerrouFichier, le_verrou_est_celui_de_qlockfile_et_qlockfile_le_respecte)
{
    DossierTest d;
    const QString qt = d.chemin(QStringLiteral("qt.txt"));
    const QString nous = d.chemin(QStringLiteral("nous.txt"));
    QByteArray attendu;
    {
        QLockFile q(VerrouFichier::chemin_verrou(qt));
        ASSERT_TRUE(q.tryLock(0));
        attendu = contenu(VerrouFichier::chemin_verrou(qt));
    }
    const VerrouFichier v(nous, 0);
    ASSERT_TRUE(v.obtenu());
    EXPECT_EQ(contenu(VerrouFichier::chemin_verrou(nous)), attendu);

    QLockFile autre(VerrouFichier::chemin_verrou(nous));
    autre.setStaleLockTime(60000);
    EXPECT_FALSE(autre.tryLock(0));
    EXPECT_EQ(autre.error(), QLockFile::LockFailedError);
    qint64 pid = 0;
    QString machine, programme;
    ASSERT_TRUE(autre.getLockInfo(&pid, &machine, &programme));
    EXPECT_EQ(pid, qint64(::getpid()));
}

TEST(VerrouFichier, un_verrou_tenu_attend_puis_cede_et_le_notre_disparait_avec_lui)
{
    DossierTest d;
    const QString fichier = d.chemin(QStringLiteral("liste_records.txt"));
    const QString verrou = VerrouFichier::chemin_verrou(fichier);
    {
        const VerrouFichier premier(fichier, 0);
        ASSERT_TRUE(premier.obtenu());
        EXPECT_FALSE(VerrouFichier(fichier, 20).obtenu());
    }
    EXPECT_FALSE(QFile::exists(verrou));
    EXPECT_TRUE(VerrouFichier(fichier, 0).obtenu());
    EXPECT_FALSE(QFile::exists(verrou));
}

// A lock file left behind is taken at once when QLockFile would judge it stale, and respected otherwise.
TEST(VerrouFichier, un_verrou_laisse_par_un_poste_arrete_est_repris)
{
    struct Cas
    {
        const char* nom;
        QByteArray contenu;
        int age_s;
        bool repris;
    };
    const QByteArray ici = QSysInfo::machineHostName().toUtf8();
    const Cas cas[] = {
        {"autre poste, récent", "4242\ntabrix\nSALLE-9\n\n", 5, false},
        {"autre poste, plus d'une minute", "4242\ntabrix\nSALLE-9\n\n", 120, true},
        {"ce poste, programme arrêté", "999999999\ntabrix\n" + ici + "\n", 5, true},
        {"fichier vide, récent", "", 5, false},
    };
    for (const Cas& c : cas) {
        DossierTest d;
        const QString fichier = d.chemin(QStringLiteral("liste_records.txt"));
        QFile f(VerrouFichier::chemin_verrou(fichier));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(c.contenu);
        f.flush(); // before the time is set, or the write would set it again
        f.setFileTime(QDateTime::currentDateTime().addSecs(-c.age_s), QFileDevice::FileModificationTime);
        f.close();
        EXPECT_EQ(VerrouFichier(fichier, 20).obtenu(), c.repris) << c.nom;
        EXPECT_EQ(QFile::exists(f.fileName()), !c.repris) << c.nom;
    }
}

TEST(VerrouFichier, un_dossier_absent_ne_bloque_pas)
{
    DossierTest d;
    EXPECT_FALSE(VerrouFichier(d.chemin(QStringLiteral("absent/liste_records.txt")), 5000).obtenu());
}
