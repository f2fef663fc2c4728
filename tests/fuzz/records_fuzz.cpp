#include "outils_fuzz.h"
#include "storage/fichier_texte.h"
#include "storage/records.h"
#include "storage/verrou_fichier.h"

#include <QFile>
#include <algorithm>
#include <cstdint>

namespace {

bool triee_sans_casse(const QStringList& liste, bool stricte)
{
    for (qsizetype i = 1; i < liste.size(); ++i) {
        const int c = QString::compare(liste[i - 1], liste[i], Qt::CaseInsensitive);
        if (c > 0 || (stricte && c == 0))
            return false;
    }
    return true;
}

// Display lines keep their columns whatever the list holds: a blank, three characters, "%".
void verifie_affichage(const QStringList& liste)
{
    const QStringList affichees = decode_liste_records(liste);
    if (liste.isEmpty()) {
        EXIGE(affichees == QStringList {QStringLiteral("Aucun record.")});
        return;
    }
    EXIGE(affichees.size() == liste.size() + 2);
    for (qsizetype i = 2; i < affichees.size(); ++i) {
        const QString& l = affichees[i];
        EXIGE(l.size() >= 7 && l[0] == u' ' && l[4] == u'%' && l.endsWith(u')'));
    }
}

qsizetype lignes_de(const QStringList& liste, const QString& nom)
{
    return std::count_if(liste.cbegin(), liste.cend(), [&](const QString& l) { return l.mid(6) == nom; });
}

// The first line is the pupil's new record; the bytes after it are liste_records.txt ("" for no file).
void verifie_mise_a_jour(const QStringList& lignes, const QByteArray& octets)
{
    if (lignes.isEmpty())
        return;
    const QString& nouvelle = lignes.first();
    const int score = nouvelle.left(3).toInt();
    const int vitesse = nouvelle.mid(3, 3).toInt();
    const QString nom = nouvelle.mid(6);
    qsizetype fin = octets.indexOf('\n');
    const qsizetype retour = octets.indexOf('\r');
    if (fin < 0 || (retour >= 0 && retour < fin))
        fin = retour;
    if (fin >= 0 && octets[fin] == '\r' && fin + 1 < octets.size() && octets[fin + 1] == '\n')
        ++fin;
    const QByteArray fichier = fin < 0 ? QByteArray() : octets.mid(fin + 1);

    const QString chemin = dossier_fuzz() + QStringLiteral("/liste_records.txt");
    QFile::remove(chemin);
    QStringList avant;
    if (!fichier.isEmpty()) {
        QFile f(chemin);
        EXIGE(f.open(QIODevice::WriteOnly) && f.write(fichier) == fichier.size());
        f.close();
        const auto lues = lit_lignes(chemin);
        EXIGE(lues.has_value());
        avant = trie_records(*lues);
    }

    QStringList liste = avant;
    const ResultatRecords r = mise_a_jour_records(liste, score, vitesse, nom, {QString(), chemin}, 0);
    EXIGE(r.verrou && !QFile::exists(VerrouFichier::chemin_verrou(chemin)));
    EXIGE(triee_sans_casse(liste, false));
    EXIGE(liste.size() <= taille_max_records);
    EXIGE(r.rang >= 0 && r.rang <= liste.size());
    EXIGE(lignes_de(liste, nom) <= std::max<qsizetype>(lignes_de(avant, nom), 1));
    QFile f(chemin);
    if (r.rang == 0) {
        // A line that did not stay leaves the other pupils' file as it was.
        EXIGE(fichier.isEmpty() ? !f.exists() : f.open(QIODevice::ReadOnly) && f.readAll() == fichier);
        return;
    }
    EXIGE(liste[liste.size() - r.rang] == ligne_record(score, vitesse, nom));
    EXIGE(r.ecriture.ok);
    const auto relue = lit_lignes(chemin);
    EXIGE(relue && *relue == comme_sur_disque(liste));
}

} // namespace

// Any bytes as liste_records.txt from another machine: sorting, display and the update of a pupil's line.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille)
{
    const QByteArray octets(reinterpret_cast<const char*>(donnees), qsizetype(taille));
    const QStringList lignes = decoupe_lignes(depuis_cp1252(octets));

    const QStringList triee = trie_records(lignes);
    EXIGE(triee.size() <= lignes.size() && triee_sans_casse(triee, true));
    EXIGE(std::none_of(triee.cbegin(), triee.cend(), [](const QString& l) { return l.trimmed().isEmpty(); }));
    EXIGE(trie_records(triee) == triee);
    verifie_affichage(lignes);
    verifie_affichage(triee);

    verifie_mise_a_jour(lignes, octets);
    return 0;
}
