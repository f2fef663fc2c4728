#include "seance/identification_eleve.h"
#include "storage/fichier_texte.h"

#include "seance/identification.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <algorithm>

namespace {

// Stored folders may come from Windows with "\" separators.
QString dossier_uniforme(const QString& dossier)
{
    QString d = dossier;
    d.replace(u'\\', u'/');
    while (d.size() > 1 && d.endsWith(u'/'))
        d.chop(1);
    return d;
}

QString joint(const QString& dossier, const QString& nom)
{
    return dossier_uniforme(dossier) + u'/' + nom;
}

QStringList tri_sans_casse(QStringList noms)
{
    std::stable_sort(noms.begin(), noms.end(),
        [](const QString& a, const QString& b) { return QString::compare(a, b, Qt::CaseInsensitive) < 0; });
    return noms;
}

} // namespace

IdentificationEleve::IdentificationEleve(const Reglages& reglages, const QString& annee_scolaire)
    : m_reglages(reglages)
    , m_annee_scolaire(annee_scolaire)
{
}

void IdentificationEleve::initialisation()
{
    m_identite = IdentiteEleve();
    m_liste.clear();
    m_classe.clear();
    m_niveau.clear();
    m_dossier_classe.clear();
    m_hors_classe = false;
    m_dossier_liste.clear();
    if (!m_reglages.mode_ecole) {
        m_dossier_liste = dossier_uniforme(m_reglages.dossier_eleves);
        liste_dossier(m_dossier_liste, {QStringLiteral("*.txt")});
    }
}

void IdentificationEleve::choisit_classe(const QString& classe)
{
    m_liste.clear();
    m_niveau.clear();
    if (classe == aucune()) {
        m_hors_classe = true;
        m_classe.clear();
        m_dossier_classe.clear();
        m_dossier_liste = joint(m_reglages.dossier_etablissement, hors_classe());
        liste_dossier(m_dossier_liste, {QStringLiteral("*.lnk"), QStringLiteral("*.txt")});
    } else {
        m_hors_classe = false;
        m_classe = classe;
        m_dossier_liste = dossier_uniforme(m_reglages.dossier_etablissement);
        m_dossier_classe = joint(m_reglages.dossier_annee, classe);
        liste_dossier(m_dossier_classe, {QStringLiteral("*.lnk")});
    }
    for (const Niveau& n : m_reglages.niveaux) {
        if (!m_classe.isEmpty() && n.classes.contains(m_classe))
            m_niveau = n.nom;
    }
}

QString IdentificationEleve::texte_panneau_classe() const
{
    return QStringLiteral(" Classe: ") + (m_hors_classe ? aucune() : m_classe) + u' ';
}

void IdentificationEleve::liste_dossier(const QString& dossier, const QStringList& masques)
{
    const QStringList fichiers = QDir(dossier).entryList(masques, QDir::Files | QDir::Readable, QDir::Name);
    QSet<QString> vus;
    for (const QString& f : fichiers) {
        const QString base = f.chopped(4);
        // A file without "_" is not a pupil: he would have no first name, and his séance would never be
        // saved.
        if (!nom_fichier_valide(base) || vus.contains(base))
            continue;
        vus.insert(base);
        m_liste.append(f);
    }
    m_liste = tri_sans_casse(m_liste);
}

QStringList IdentificationEleve::formes_affichees() const
{
    QStringList formes;
    for (const QString& e : m_liste)
        formes.append(forme_affichee(e));
    return formes;
}

QString IdentificationEleve::chemin_historique_de(const QString& nom_fichier) const
{
    const QString fichier = nom_fichier + QStringLiteral(".txt");
    if (!m_reglages.mode_ecole)
        return joint(m_reglages.dossier_eleves, fichier);
    const QString commun = joint(m_reglages.dossier_etablissement, fichier);
    if (m_hors_classe && !fichier_present(commun)) {
        const QString ancien = joint(m_dossier_liste, fichier);
        if (fichier_present(ancien))
            return ancien;
    }
    return commun;
}

QString IdentificationEleve::chemin_pour_entree(const QString& entree) const
{
    const QString chemin = chemin_historique_de(entree.chopped(4));
    // A history listed under another letter case of ".txt" is read where it lies.
    const bool historique_liste = !m_reglages.mode_ecole || m_hors_classe;
    if (historique_liste && !fichier_present(chemin)
        && entree.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive)
        && fichier_present(joint(m_dossier_liste, entree)))
        return joint(m_dossier_liste, entree);
    return chemin;
}

void IdentificationEleve::remplit_identite(const QString& nom_fichier, const QString& chemin)
{
    const qsizetype i = nom_fichier.indexOf(u'_');
    m_identite = IdentiteEleve();
    m_identite.chemin_historique = chemin;
    m_identite.nom_fichier = nom_fichier;
    m_identite.nom = nom_fichier.left(i);
    m_identite.prenom = nom_fichier.mid(i + 1);
    m_identite.classe = m_classe;
    m_identite.niveau = m_niveau;
    m_identite.dossier_liste = m_dossier_liste;
    m_identite.dossier_classe = m_dossier_classe;
    m_identite.code = code_de_nom(nom_fichier);
}

bool IdentificationEleve::choisit_nom(const QString& forme)
{
    const QString base = nom_de_forme_affichee(forme);
    for (const QString& e : m_liste) {
        if (e.chopped(4) == base) {
            remplit_identite(base, chemin_pour_entree(e));
            return true;
        }
    }
    return false;
}

bool IdentificationEleve::verifie_code(const QString& code)
{
    QString trouve;
    for (const QString& e : m_liste) {
        if (code_de_nom(e.chopped(4)) == code)
            trouve = e;
    }
    if (trouve.isEmpty())
        return false;
    remplit_identite(trouve.chopped(4), chemin_pour_entree(trouve));
    return true;
}

QString IdentificationEleve::nom_fichier_inscription(const QString& nom, const QString& prenom)
{
    // The fields are already filtered as typed; filtering again keeps any path character out of the name.
    const QString base
        = nettoie_espaces(filtre_saisie_nom(nom, 0).texte + u'_' + filtre_saisie_nom(prenom, 0).texte);
    return nom_fichier_valide(base) ? base : QString();
}

bool IdentificationEleve::recherche_ancien_eleve_utile(const QString& nom_fichier) const
{
    return m_reglages.mode_ecole && !fichier_present(chemin_historique_de(nom_fichier));
}

QVector<AncienEleve> IdentificationEleve::anciens_eleves(const QString& nom_fichier) const
{
    QVector<AncienEleve> trouves;
    bool ok = false;
    const int annee = m_annee_scolaire.left(4).toInt(&ok);
    if (!m_reglages.mode_ecole || !ok)
        return trouves;
    const QString etablissement = dossier_uniforme(m_reglages.dossier_etablissement);
    const QStringList fichiers
        = QDir(etablissement).entryList({QStringLiteral("*.txt")}, QDir::Files | QDir::Readable, QDir::Name);
    for (const QString& f : fichiers) {
        const QString o = f.chopped(4);
        if (o == nom_fichier || !nom_fichier_valide(o)
            || !(noms_semblables(nom_fichier, o) || noms_semblables(o, nom_fichier)))
            continue;
        for (int k = 1; k <= 4; ++k) {
            const QString dossier_annee
                = joint(etablissement, QStringLiteral("%1-%2").arg(annee - k).arg(annee - k + 1));
            const QStringList classes
                = QDir(dossier_annee).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
            const auto classe = std::find_if(classes.begin(), classes.end(), [&](const QString& c) {
                return fichier_present(joint(joint(dossier_annee, c), o + QStringLiteral(".lnk")));
            });
            if (classe != classes.end()) {
                trouves.append({o, *classe, k});
                break;
            }
        }
    }
    return trouves;
}

Ecriture IdentificationEleve::inscrit(const QString& nom_fichier)
{
    remplit_identite(nom_fichier, chemin_historique_de(nom_fichier));
    if (!m_reglages.mode_ecole || !m_hors_classe || m_reglages.dossier_etablissement.isEmpty())
        return {};
    const QString marque = joint(m_dossier_liste, nom_fichier + QStringLiteral(".lnk"));
    if (fichier_present(marque)
        || fichier_present(joint(m_dossier_liste, nom_fichier + QStringLiteral(".txt"))))
        return {};
    if (!QDir().mkpath(m_dossier_liste))
        return {false, QStringLiteral("Impossible de créer le dossier « %1 ».").arg(m_dossier_liste)};
    return ecrit_lignes(marque, {m_identite.chemin_historique});
}
