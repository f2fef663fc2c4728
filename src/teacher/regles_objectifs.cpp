#include "teacher/regles_objectifs.h"

#include "core/faits.h"
#include "storage/niveaux.h"

QVector<int> GrilleObjectifs::tables(Famille famille)
{
    if (famille == Famille::classiques)
        return {2, 3, 4, 5, 6, 7, 8, 9};
    return {11, 12, 13, 14, 15, 16, 17, 18, 19};
}

int GrilleObjectifs::table_du_nom(const QString& nom_case)
{
    QString fin = nom_case.right(2);
    if (fin.startsWith(QLatin1Char('_')))
        fin.remove(0, 1);
    return fin.toInt();
}

void GrilleObjectifs::redimensionne(const QStringList& niveaux)
{
    m_lignes.clear();
    for (const QString& nom : niveaux) {
        LigneObjectifs l {nom, {}};
        for (int t = 2; t <= 9; ++t)
            l.coches[t] = true;
        l.coches[11] = true;
        m_lignes.append(l);
    }
}

void GrilleObjectifs::charge_famille(const QString& valeur, Famille famille)
{
    const QVector<ObjectifsNiveau> lus = lit_objectifs(valeur);
    for (int i = 0; i < m_lignes.size() && i < lus.size(); ++i) {
        LigneObjectifs& l = m_lignes[i];
        for (const int t : tables(famille))
            l.coches[t] = false;
        for (const QString& nom : lus.at(i).tables) {
            const int t = numero_table(nom);
            // "tables_classiques" (10) and the other family's tables have no box here.
            if (t >= 2 && t <= 19 && t != 10 && famille_de(t) == famille)
                l.coches[t] = true;
        }
    }
}

bool GrilleObjectifs::charge(const QString& valeur_classiques, const QString& valeur_etendues)
{
    charge_famille(valeur_classiques, Famille::classiques);
    charge_famille(valeur_etendues, Famille::etendues);
    const QVector<ObjectifsNiveau> lus = lit_objectifs(valeur_classiques);
    for (const ObjectifsNiveau& o : lus) {
        if (o.tables != lus.first().tables)
            return false;
    }
    return true;
}

void GrilleObjectifs::coche(int ligne, int table, bool etat, bool memes)
{
    if (ligne < 0 || ligne >= m_lignes.size() || table < 2 || table > 19)
        return;
    if (!memes) {
        m_lignes[ligne].coches[table] = etat;
        return;
    }
    for (LigneObjectifs& l : m_lignes)
        l.coches[table] = etat;
}

QString GrilleObjectifs::valeur(Famille famille) const
{
    QVector<ObjectifsNiveau> objectifs;
    for (const LigneObjectifs& l : m_lignes) {
        ObjectifsNiveau o {l.niveau, {}};
        for (const int t : tables(famille)) {
            if (l.coches[t])
                o.tables.append(nom_table(t));
        }
        objectifs.append(o);
    }
    return ecrit_objectifs(objectifs);
}
