#include "teacher/regles_liste_eleves.h"

#include "core/dates.h"
#include "core/en_parallele.h"
#include "core/faits.h"
#include "storage/config_perso.h"
#include "storage/dossiers.h"
#include "storage/fichier_texte.h"
#include "storage/index_historiques.h"
#include "storage/lecture_historique.h"
#include "storage/records.h"
#include "teacher/regles_selecteurs.h"

#include <QFileInfo>
#include <QHash>
#include <algorithm>
#include <optional>
#include <utility>

namespace {

// A pupil's extra time, from his own file beside his history. Each folder's files are listed once, so a
// school of a thousand pupils, few of them with such a file, costs no look-up per pupil.
Amenagement amenagement_de(const QString& historique, QHash<QString, QSet<QString>>& fichiers_par_dossier)
{
    const QString chemin = chemin_config_perso_de_historique(historique);
    const QFileInfo info(chemin);
    auto fichiers = fichiers_par_dossier.find(info.path());
    if (fichiers == fichiers_par_dossier.end())
        fichiers = fichiers_par_dossier.insert(info.path(), noms_dans(info.path(), QStringLiteral(".ini")));
    return fichiers->contains(info.fileName()) ? lit_amenagement(chemin) : Amenagement::aucun;
}

constexpr int largeur_nom = 22;
constexpr int largeur_classe = 24;
const QString blancs_cle = QString(16, QLatin1Char(' '));

QString sans_extension(const QString& fichier)
{
    return fichier.left(fichier.lastIndexOf(QLatin1Char('.')));
}

QString compte_eleves(int n)
{
    return n == 1 ? QStringLiteral("1 élève") : QStringLiteral("%1 élèves").arg(n);
}

// yyyymmdd of a dd/mm/yyyy date.
QString cle_date_triable(const QString& date)
{
    return date.mid(6, 4) + date.mid(3, 2) + date.left(2);
}

// A pupil line while its class is sorted: the key in front, its entry in the list of paths beside it.
struct LigneEleve
{
    QString cle;
    QString ligne;
    QString chemin;
    RangeeEleve rangee;
    // From the test's date to today, below 0 for a test dated after today (a clock ahead); none without a
    // test.
    std::optional<int> jours;
};

QString valeur_resultat(const QString& ligne)
{
    int debut = ligne.size();
    while (debut > 0 && ligne.at(debut - 1).isDigit())
        --debut;
    const QString chiffres = debut == ligne.size() ? ligne.right(1) : ligne.mid(debut);
    return chiffres.rightJustified(3, QLatin1Char('0'));
}

void trie(QVector<LigneEleve>& lignes, TriListe tri)
{
    const auto sans_casse
        = [](const QString& a, const QString& b) { return QString::compare(a, b, Qt::CaseInsensitive) < 0; };
    switch (tri) {
    case TriListe::nom:
        std::stable_sort(lignes.begin(), lignes.end(),
            [&](const LigneEleve& a, const LigneEleve& b) { return sans_casse(a.ligne, b.ligne); });
        break;
    case TriListe::resultat:
        std::stable_sort(lignes.begin(), lignes.end(), [&](const LigneEleve& a, const LigneEleve& b) {
            return sans_casse(
                valeur_resultat(a.ligne) + a.cle + a.ligne, valeur_resultat(b.ligne) + b.cle + b.ligne);
        });
        break;
    case TriListe::date:
        std::stable_sort(lignes.begin(), lignes.end(),
            [](const LigneEleve& a, const LigneEleve& b) { return a.cle > b.cle; });
        for (LigneEleve& l : lignes)
            if (l.jours)
                l.ligne += QStringLiteral(" ( %1 )").arg(*l.jours);
        break;
    }
}

QString avec_points(QString texte, int largeur)
{
    if (texte.size() < largeur)
        texte += QString(largeur - texte.size(), QLatin1Char('.'));
    return texte;
}

struct Moyennes
{
    int score = -1;
    int vitesse = -1;
};

Moyennes moyennes(const QVector<LigneEleve>& lignes)
{
    QVector<int> scores, vitesses;
    for (const LigneEleve& l : lignes) {
        if (l.rangee.date.isEmpty())
            continue;
        // A test without any classic product has no score (-1): it must not pull the mean down.
        if (l.rangee.score >= 0)
            scores << l.rangee.score;
        vitesses << l.rangee.vitesse;
    }
    return {moyenne_arrondie(scores), moyenne_arrondie(vitesses)};
}

LigneEleve ligne_eleve(const EleveInventorie& e, const ResultatEleve& r, const QString& classe,
    const OptionsListeEleves& options, QDate aujourdhui)
{
    LigneEleve l;
    l.chemin = e.chemin;
    l.rangee.classe = classe;
    l.rangee.nom_fichier = e.nom_fichier;
    l.rangee.amenagement = r.amenagement;
    const QString nom = nom_affiche(e.nom_fichier);
    QString valeur = QStringLiteral("   ");
    l.cle = blancs_cle;
    if (r.teste()) {
        l.rangee.date = r.test.date;
        l.rangee.score = r.score;
        l.rangee.vitesse = r.vitesse;
        valeur = QString::number(options.rapidite ? r.vitesse : r.score);
        l.cle = (cle_date_triable(r.test.date) + r.test.ligne.mid(20, 8))
                    .leftJustified(16, QLatin1Char(' '), true);
        const QDate jour = date_de_cle(r.test.date);
        l.jours = jour.isValid() ? int(jour.daysTo(aujourdhui)) : 0;
    }
    if (options.ecole())
        l.ligne = QStringLiteral("\t\t") + avec_points(nom, largeur_nom) + valeur;
    else
        l.ligne = QLatin1Char('\t')
            + (nom.size() < largeur_nom ? avec_points(nom, largeur_nom) : nom + QLatin1Char(' ')) + valeur;
    return l;
}

ResultatEleve resultat_du_test(const TestChoisi& test, const OptionsListeEleves& options)
{
    ResultatEleve r;
    r.test = test;
    if (r.teste()) {
        static const ObjectifsTables classiques(QStringLiteral("tables_classiques"));
        r.score = classiques.pourcentage(r.test.vue_enregistrements(), options.temps_acceptable);
        r.vitesse = vitesse_test(r.test.ligne);
    }
    return r;
}

} // namespace

bool OptionsListeEleves::ecole() const
{
    return etablissement != texte_aucun;
}

QString OptionsListeEleves::dossier_etablissement() const
{
    return chemin_normalise(dossier_eleves) + QLatin1Char('/') + etablissement;
}

int Inventaire::nombre_eleves() const
{
    int n = 0;
    for (const ClasseInventoriee& c : classes)
        n += int(c.eleves.size());
    return n;
}

Inventaire inventaire_eleves(const OptionsListeEleves& options)
{
    Inventaire inv;
    inv.ecole = options.ecole();
    inv.racine = options.dossier_eleves;
    const QString racine = chemin_normalise(options.dossier_eleves);
    if (!inv.ecole) {
        ClasseInventoriee tous;
        tous.dossier = options.dossier_eleves;
        for (const QString& f : fichiers_du_dossier(racine, QStringLiteral("*.txt")))
            tous.eleves.append({sans_extension(f), racine + QLatin1Char('/') + f});
        if (!tous.eleves.isEmpty())
            inv.classes.append(tous);
        return inv;
    }
    // The histories of the establishment shown, whatever establishment this machine works for.
    const QString etablissement = options.dossier_etablissement();
    const QString annee = etablissement + QLatin1Char('/') + options.annee;
    if (options.annee.isEmpty())
        return inv;
    // Whatever bears a history's name counts, so that a folder or a device put there is named as unreadable.
    const QSet<QString> historiques = noms_dans(etablissement, QStringLiteral(".txt"));
    for (const QString& nom : sous_dossiers(annee)) {
        ClasseInventoriee c;
        c.nom = nom;
        c.dossier = annee + QLatin1Char('/') + nom;
        for (const QString& lien : fichiers_du_dossier(c.dossier, QStringLiteral("*.lnk"))) {
            const QString base = sans_extension(lien);
            const QString chemin = etablissement + QLatin1Char('/') + base + QStringLiteral(".txt");
            if (historiques.contains(base + QStringLiteral(".txt")))
                c.eleves.append({base, chemin});
        }
        if (!c.eleves.isEmpty())
            inv.classes.append(c);
    }
    return inv;
}

ChoixTest OptionsListeEleves::choix(const QString& objectifs) const
{
    return {mode, date, masquer_incomplets, objectifs};
}

int moyenne_arrondie(const QVector<int>& valeurs)
{
    if (valeurs.isEmpty())
        return -1;
    qint64 somme = 0;
    for (const int v : valeurs)
        somme += v;
    const qint64 n = valeurs.size();
    // Floor division so that a negative sum (untested tables read as -1) rounds the same way.
    qint64 q = somme / n, reste = somme % n;
    if (reste < 0) {
        --q;
        reste += n;
    }
    if (2 * reste > n || (2 * reste == n && (q % 2 != 0)))
        ++q;
    return int(q);
}

QString nom_affiche(const QString& nom_fichier)
{
    QString nom = nom_fichier;
    const int p = nom.indexOf(QLatin1Char('_'));
    if (p >= 0)
        nom[p] = QChar(0xA0);
    return nom;
}

ListeEleves assemble_liste(const Inventaire& inventaire, const QVector<ResultatEleve>& resultats,
    const OptionsListeEleves& options, const QDateTime& maintenant)
{
    ListeEleves liste;
    const QDate aujourdhui = maintenant.date();
    int suivant = 0;
    bool premiere_classe = true;
    QStringList records;
    for (const ClasseInventoriee& c : inventaire.classes) {
        QVector<LigneEleve> lignes;
        for (const EleveInventorie& e : c.eleves) {
            const ResultatEleve& r = resultats.at(suivant++);
            if (r.illisible)
                liste.illisibles << e.nom_fichier;
            lignes << ligne_eleve(e, r, c.nom, options, aujourdhui);
            if (inventaire.ecole && r.teste() && r.score >= 0)
                records << ligne_record(r.score, r.vitesse, e.nom_fichier);
        }
        trie(lignes, options.tri);
        const Moyennes m = moyennes(lignes);
        const int moyenne = options.rapidite ? m.vitesse : m.score;
        QString tete;
        if (inventaire.ecole) {
            tete = QLatin1Char('\t') + c.nom + QStringLiteral(": ") + compte_eleves(int(lignes.size()));
            if (const std::optional<int> jours = lignes.first().jours; options.tri == TriListe::date && jours)
                tete += premiere_classe ? QStringLiteral(" (%1 jours)").arg(*jours)
                                        : QStringLiteral(" (%1)").arg(*jours);
            tete = avec_points(tete, largeur_classe) + QString::number(moyenne);
            if (premiere_classe)
                tete += options.rapidite ? QStringLiteral(" brm") : QStringLiteral("%");
            else
                tete += options.rapidite ? QStringLiteral("    ") : QStringLiteral(" ");
        } else {
            tete = compte_eleves(int(lignes.size()))
                + (options.rapidite ? QStringLiteral(": vitesse moyenne= %1 brm").arg(moyenne)
                                    : QStringLiteral(": score moyen= %1%").arg(moyenne));
        }
        liste.lignes << tete;
        liste.chemins << (inventaire.ecole ? c.dossier : inventaire.racine);
        for (const LigneEleve& l : lignes) {
            liste.lignes << l.ligne;
            liste.chemins << l.chemin;
            liste.rangees << l.rangee;
        }
        premiere_classe = false;
    }
    if (inventaire.ecole) {
        const int n = inventaire.nombre_eleves();
        const QString quand = nom_jour(aujourdhui) + QLatin1Char(' ') + date_texte(aujourdhui)
            + QStringLiteral(" à ") + heure_texte(maintenant.time());
        const QString debut = n == 0 ? QStringLiteral("pas d'élève le ")
            : n == 1                 ? QStringLiteral("1 élève le ")
                                     : QStringLiteral("Total: %1 élèves le ").arg(n);
        liste.lignes.prepend(debut + quand);
        liste.chemins.prepend(QStringLiteral(" "));
        records = trie_records(records);
        if (records.size() > taille_max_records)
            records = records.mid(records.size() - taille_max_records);
        liste.records = records;
    }
    return liste;
}

ListeEleves creation_liste_eleves(const OptionsListeEleves& options, const QDateTime& maintenant,
    const Progression& progression, IndexHistoriques* index)
{
    const Inventaire inventaire = inventaire_eleves(options);
    QVector<DemandeTest> demandes;
    demandes.reserve(inventaire.nombre_eleves());
    for (const ClasseInventoriee& c : inventaire.classes) {
        const ChoixTest choix = options.choix(options.objectifs.de_la_classe(c.nom));
        for (const EleveInventorie& e : c.eleves)
            demandes.append({e.chemin, choix});
    }
    const QVector<TestLu> lus = lit_tests_choisis(demandes, index, progression);
    const int total = int(demandes.size());
    QVector<ResultatEleve> resultats(total);
    en_parallele(
        total, 256,
        [&, sortie = resultats.data()](int i) {
            sortie[i] = resultat_du_test(lus[i].test, options);
            sortie[i].illisible = lus[i].etat == TestLu::illisible;
        },
        [](int, int) {}, fils_de_calcul());
    QHash<QString, QSet<QString>> fichiers_perso;
    for (int i = 0; i < total; ++i)
        resultats[i].amenagement = amenagement_de(demandes[i].chemin, fichiers_perso);
    return assemble_liste(inventaire, resultats, options, maintenant);
}

int profondeur_ligne(const QString& ligne)
{
    int n = 0;
    while (n < ligne.size() && ligne.at(n) == QLatin1Char('\t'))
        ++n;
    return n;
}

QStringList chemins_eleves_du_noeud(const QStringList& lignes, const QStringList& chemins, int index)
{
    QStringList resultat;
    if (index < 0 || index >= lignes.size() || lignes.size() != chemins.size())
        return resultat;
    const int profondeur = profondeur_ligne(lignes.at(index));
    for (int i = index; i < lignes.size(); ++i) {
        if (i > index && profondeur_ligne(lignes.at(i)) <= profondeur)
            break;
        if (chemins.at(i).endsWith(QLatin1String(".txt"), Qt::CaseInsensitive))
            resultat << chemins.at(i);
    }
    return resultat;
}
