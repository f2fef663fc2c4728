#include <QDir>
#include <QFile>
#include <cstdint>
#include <gtest/gtest.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille);

// Replays the committed corpus of one fuzzer: each input once, without libFuzzer.
TEST(CorpusFuzz, chaque_entree_du_corpus_passe_sans_faute)
{
    const QDir dossier(QStringLiteral(TABRIX_CORPUS));
    const QStringList fichiers = dossier.entryList(QDir::Files);
    ASSERT_FALSE(fichiers.isEmpty());
    for (const QString& nom : fichiers) {
        QFile f(dossier.filePath(nom));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << nom.toStdString();
        const QByteArray octets = f.readAll();
        EXPECT_EQ(LLVMFuzzerTestOneInput(
                      reinterpret_cast<const uint8_t*>(octets.constData()), size_t(octets.size())),
            0)
            << nom.toStdString();
    }
}
