#include "seance/tableau_de_bord.h"

#include "core/faits.h"

#include <algorithm>

namespace {

QString nom_du_classement(const QString& ligne)
{
    return ligne.section(QLatin1Char('='), 0, 0);
}
QString valeur_du_classement(const QString& ligne)
{
    return ligne.section(QLatin1Char('='), 1, 1);
}

} // namespace

TableauDeBord::TableauDeBord(EtatEleve& eleve, const Reglages& reglages)
    : m_eleve(eleve)
    , m_reglages(reglages)
{
}

void TableauDeBord::actualise_boutons_tables(const QString& objectifs)
{
    // The unions stand for all their tables, so that "tables_classiques" presses 2 to 9.
    const bool toutes_classiques = objectifs.contains(QLatin1String("tables_classiques"));
    const bool toutes_etendues = objectifs.contains(QLatin1String("tables_etendues"));
    for (int n = 2; n <= 19; ++n) {
        if (n == 10)
            continue;
        const bool union_ = est_table_classique(n) ? toutes_classiques : toutes_etendues;
        const bool enfonce = union_ || objectifs.contains(nom_table(n));
        m_boutons.enfonces[n] = enfonce;
        if (enfonce)
            m_boutons.classiques = est_table_classique(n);
    }
}

void TableauDeBord::bascule_table(int numero, bool enfonce)
{
    if (!est_table_classique(numero) && !est_table_etendue(numero))
        return;
    m_boutons.enfonces[numero] = enfonce;
    change_produits_etudies();
}

void TableauDeBord::choisit_groupe(bool classiques)
{
    m_boutons.classiques = classiques;
    change_produits_etudies();
}

void TableauDeBord::etudie_seulement(int numero)
{
    const bool classique = est_table_classique(numero);
    if (!classique && !est_table_etendue(numero))
        return;
    for (int n = 2; n < 20; ++n) {
        if (est_table_classique(n) == classique && (classique || est_table_etendue(n)))
            m_boutons.enfonces[n] = n == numero;
    }
    m_boutons.classiques = classique;
    change_produits_etudies();
}

void TableauDeBord::change_produits_etudies()
{
    const int premiere = m_boutons.classiques ? 2 : 11;
    const int derniere = m_boutons.classiques ? 9 : 19;
    QStringList produits;
    for (int n = premiere; n <= derniere; ++n) {
        if (m_boutons.enfonces[n])
            produits += produits_des_tables(nom_table(n));
    }
    if (produits.isEmpty()) {
        // Nothing pressed: the first table of the group stays studied, so there is always something to learn.
        m_boutons.enfonces[premiere] = true;
        produits = produits_des_tables(nom_table(premiere));
    }
    m_eleve.produits_etudies = produits;
    change_produits_a_memoriser();
}

void TableauDeBord::change_produits_a_memoriser()
{
    const int T = m_reglages.temps_reponse_acceptable;
    m_eleve.classement_tables = classement_tables(m_eleve.produits_etudies, m_eleve.dernier_test, T);
    m_eleve.classement_produits = classement_produits(m_eleve.produits_etudies, m_eleve.dernier_test, T);
    const ModeSelection mode
        = m_eleve.memorisation.tables_entieres ? ModeSelection::tables_entieres : ModeSelection::trous;
    m_eleve.produits_a_memoriser = selection_produits(
        mode, m_eleve.memorisation.nombre_voulu, m_eleve.produits_etudies, m_eleve.dernier_test, T);
}

int TableauDeBord::taille_premieres_tables(int nombre) const
{
    int total = 0;
    const int fin = std::min<int>(nombre, m_eleve.classement_tables.size());
    for (int i = 0; i < fin; ++i)
        total += std::max(0, taille_table(nom_du_classement(m_eleve.classement_tables.at(i))));
    return total;
}

void TableauDeBord::etudier_trous()
{
    m_eleve.memorisation.tables_entieres = false;
    change_produits_a_memoriser();
}

void TableauDeBord::etudier_tables_entieres()
{
    ReglageMemorisation& m = m_eleve.memorisation;
    const QStringList& classement = m_eleve.classement_tables;
    // The request is rounded up to whole tables, and at least one table is always learnt.
    int total = 0;
    int nombre = 0;
    while (nombre < classement.size() && (nombre == 0 || total < m.nombre_voulu)) {
        total += std::max(0, taille_table(nom_du_classement(classement.at(nombre))));
        ++nombre;
    }
    m.nombre_tables = nombre;
    m.nombre_voulu = total;
    m.tables_entieres = true;
    change_produits_a_memoriser();
}

void TableauDeBord::plus()
{
    ReglageMemorisation& m = m_eleve.memorisation;
    if (m.tables_entieres) {
        m.nombre_tables = std::min<int>(m.nombre_tables + 1, m_eleve.classement_tables.size());
        m.nombre_voulu = taille_premieres_tables(m.nombre_tables);
    } else {
        // Asking for more products than are studied would only make the fewer button seem stuck.
        m.nombre_voulu = std::min<int>(m.nombre_voulu + 1, m_eleve.produits_etudies.size());
    }
    change_produits_a_memoriser();
}

void TableauDeBord::moins()
{
    ReglageMemorisation& m = m_eleve.memorisation;
    if (m.tables_entieres) {
        if (m.nombre_tables > 1)
            --m.nombre_tables;
        else if (m.nombre_tables == 1 && !m_eleve.classement_tables.isEmpty()
            && valeur_du_classement(m_eleve.classement_tables.first()) == QLatin1String("100"))
            m.nombre_tables = 0;
        m.nombre_voulu = taille_premieres_tables(m.nombre_tables);
    } else {
        // A negative number of products means nothing: stop at 0.
        m.nombre_voulu = std::max(0, m.nombre_voulu - 1);
    }
    change_produits_a_memoriser();
}

QString TableauDeBord::texte_label2(int nombre)
{
    return QString::number(nombre);
}

QString TableauDeBord::bulle_label2(int nombre)
{
    return QString::number(nombre)
        + (nombre <= 1 ? QStringLiteral(" produit à apprendre") : QStringLiteral(" produits à apprendre"));
}
