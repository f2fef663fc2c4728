#include "outils_fuzz.h"
#include "storage/fichier_texte.h"
#include "storage/niveaux.h"

#include <algorithm>
#include <cstdint>

namespace {

// Level and class names become folders of the school year: none may lead out of it.
void verifie_nom(const QString& nom)
{
    EXIGE(!nom.isEmpty() && nom.size() <= longueur_nom_maximum);
    EXIGE(!nom.contains(u'/') && !nom.contains(u'\\'));
    EXIGE(nom != QStringLiteral(".") && nom != QStringLiteral(".."));
    EXIGE(nom_dossier_valide(nom));
}

void verifie_niveaux(const QVector<Niveau>& niveaux)
{
    EXIGE(niveaux.size() <= niveaux_maximum);
    for (const Niveau& n : niveaux) {
        verifie_nom(n.nom);
        EXIGE(n.classes.size() <= classes_maximum);
        for (const QString& c : n.classes)
            verifie_nom(c);
    }
}

bool memes_niveaux(const QVector<Niveau>& a, const QVector<Niveau>& b)
{
    return std::equal(a.cbegin(), a.cend(), b.cbegin(), b.cend(),
        [](const Niveau& x, const Niveau& y) { return x.nom == y.nom && x.classes == y.classes; });
}

bool memes_objectifs(const QVector<ObjectifsNiveau>& a, const QVector<ObjectifsNiveau>& b)
{
    return std::equal(
        a.cbegin(), a.cend(), b.cbegin(), b.cend(), [](const ObjectifsNiveau& x, const ObjectifsNiveau& y) {
            return x.niveau == y.niveau && x.tables == y.tables;
        });
}

void verifie_objectifs(const QString& valeur, const QVector<Niveau>& niveaux)
{
    const QVector<ObjectifsNiveau> objectifs = lit_objectifs(valeur);
    for (const ObjectifsNiveau& o : objectifs) {
        for (const QString& t : o.tables)
            EXIGE(!t.isEmpty() && !t.contains(u',') && !t.contains(u'<') && !t.contains(u'>'));
    }
    EXIGE(memes_objectifs(lit_objectifs(ecrit_objectifs(objectifs)), objectifs));

    QStringList noms;
    for (const ObjectifsNiveau& o : objectifs)
        noms.append(o.niveau);
    for (const Niveau& n : niveaux)
        noms.append(n.nom);
    // Each lookup reads the whole value again: a few names are enough.
    for (const QString& nom : noms.mid(0, 24)) {
        const auto tables = objectifs_du_niveau(valeur, nom);
        if (tables)
            EXIGE(!tables->isEmpty() && !tables->contains(u'<') && !tables->contains(u'>'));
    }
}

} // namespace

// Any bytes as the levels-and-classes value or the objectives value of the Etablissement section.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille)
{
    const QString valeur
        = depuis_cp1252(QByteArray(reinterpret_cast<const char*>(donnees), qsizetype(taille)));
    const LectureNiveaux lecture = lit_niveaux(valeur);
    verifie_niveaux(lecture.niveaux);
    // Written back and read again, the table is the same and draws no remark.
    const LectureNiveaux relue = lit_niveaux(ecrit_niveaux(lecture.niveaux));
    EXIGE(memes_niveaux(relue.niveaux, lecture.niveaux));
    EXIGE(memes_niveaux(lit_niveaux(ecrit_niveaux(relue.niveaux)).niveaux, relue.niveaux));
    EXIGE(relue.remarques.isEmpty());
    verifie_objectifs(valeur, lecture.niveaux);
    return 0;
}
