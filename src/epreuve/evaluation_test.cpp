#include "epreuve/evaluation_test.h"

#include "core/faits.h"

#include <algorithm>

namespace {

// Two-digit key so that the lists sort from the weakest table; perfect tables last.
QString cle_table(int score)
{
    if (score == 100)
        return QStringLiteral("aa");
    return zeros_devant(score, 2);
}

void trie_sans_casse(QStringList& lignes)
{
    std::sort(lignes.begin(), lignes.end(),
        [](const QString& a, const QString& b) { return QString::compare(a, b, Qt::CaseInsensitive) < 0; });
}

QString numero_de_ligne(const QString& ligne)
{
    return ligne.mid(ligne.indexOf(QLatin1Char('=')) + 1);
}

QString libelle_liste(const QString& texte)
{
    return texte.size() == 1 ? QStringLiteral("la table de ") : QStringLiteral("les tables de ");
}

} // namespace

bool selection_complete(const QStringList& produits)
{
    return tables_des_produits(produits)
        == QLatin1String("table_2,table_3,table_4,table_5,table_6,table_7,table_8,table_9");
}

bool est_test_classique(const QString& enregistrements)
{
    return enregistrements.size() >= 12 && enregistrements.at(1) == QLatin1Char('0')
        && enregistrements.at(3) == QLatin1Char('0');
}

QString texte_liste_tables(const QStringList& lignes)
{
    if (lignes.isEmpty())
        return QString();
    QString texte = numero_de_ligne(lignes.first());
    for (int i = 1; i < lignes.size() - 1; ++i)
        texte += QStringLiteral(", ") + numero_de_ligne(lignes[i]);
    if (lignes.size() >= 2)
        texte += QStringLiteral(" et ") + numero_de_ligne(lignes.last()) + QLatin1Char('.');
    return texte;
}

EvaluationTest evalue_test(const QString& enregistrements, bool complet, int T)
{
    EvaluationTest e;
    e.classique = est_test_classique(enregistrements);
    e.complet = complet;
    e.score = enregistrements.size() >= 12 ? score_test(enregistrements, T) : 0;
    e.pourcentage_classiques = pourcentage_tables(enregistrements, QStringLiteral("tables_classiques"), T);
    e.vitesse = enregistrements.size() >= 12 ? vitesse_test(enregistrements) : 0;

    for (int t = 2; t <= 9; ++t) {
        const int s = pourcentage_tables(enregistrements, nom_table(t), T);
        if (s < 0)
            continue;
        const QString ligne = cle_table(s) + QLatin1Char('=') + QString::number(t);
        if (s < 85)
            e.tables_mal.append(ligne);
        else
            e.tables_bien.append(ligne);
    }
    trie_sans_casse(e.tables_mal);
    trie_sans_casse(e.tables_bien);
    e.texte_mal = texte_liste_tables(e.tables_mal);
    e.texte_bien = texte_liste_tables(e.tables_bien);
    e.libelle_mal = libelle_liste(e.texte_mal);
    e.libelle_bien = libelle_liste(e.texte_bien);
    if (!e.tables_mal.isEmpty()) {
        e.table_conseil = numero_de_ligne(e.tables_mal.first()).toInt();
        e.conseil = QStringLiteral("Conseil: commence par réviser la table de ")
            + QString::number(e.table_conseil) + QLatin1Char('.');
    }

    e.niveau = niveau_score(e.score);
    e.pourcent = QString::number(e.score) + QLatin1Char('%');
    e.largeur_pourcent = e.score < 10 ? 77 : (e.score < 100 ? 101 : 125);
    if (complet) {
        e.tu_sais = QStringLiteral("Tu sais tes tables à");
    } else {
        e.tu_sais = QStringLiteral("Tu sais les tables testées à");
        e.c_est_a_dire = QStringLiteral("c'est à dire ") + QString::number(qMax(e.pourcentage_classiques, 0))
            + QStringLiteral("% de toutes les tables.");
    }
    return e;
}

bool record_battu(int rang, int lignes_dans_liste, const QString& niveau)
{
    return rang == 1 && lignes_dans_liste > 30
        && (niveau == QStringLiteral("très bien") || niveau == QStringLiteral("parfait"));
}

bool remet_test_a_l_eleve(EtatEleve& eleve, const QString& ligne_seance, const QString& cle_du_jour, int T)
{
    eleve.seance_deja_aujourdhui = true;
    eleve.test_fait = true;
    if (!eleve.jours_tests.isEmpty() && eleve.jours_tests.last().cle == cle_du_jour)
        return false;

    const QString enregistrements = ligne_seance.mid(29);
    eleve.dernier_test = enregistrements;
    eleve.classement_tables = classement_tables(eleve.produits_etudies, enregistrements, T);
    const bool faible
        = !eleve.classement_tables.isEmpty() && eleve.classement_tables.first().right(3).toInt() < 85;
    if (faible) {
        eleve.memorisation.tables_entieres = true;
        eleve.memorisation.nombre_voulu = 8;
        eleve.memorisation.nombre_tables = 1;
    } else {
        eleve.memorisation.tables_entieres = false;
    }
    eleve.classement_produits = classement_produits(eleve.produits_etudies, enregistrements, T);
    eleve.produits_a_memoriser = selection_produits(
        eleve.memorisation.tables_entieres ? ModeSelection::tables_entieres : ModeSelection::trous,
        eleve.memorisation.nombre_voulu, eleve.produits_etudies, enregistrements, T);

    if (est_test_classique(enregistrements)) {
        eleve.jours_tests.append(
            JourTest {cle_du_jour, pourcentage_tables(enregistrements, eleve.objectifs, T)});
        eleve.lignes_tests_retenues.append(ligne_seance);
    }
    return true;
}

int table_etape_suivante(const QStringList& classement)
{
    if (classement.isEmpty())
        return 0;
    const QString& ligne = classement.first();
    return qMax(numero_table(ligne.left(ligne.indexOf(QLatin1Char('=')))), 0);
}
