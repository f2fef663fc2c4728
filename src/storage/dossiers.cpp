#include "storage/dossiers.h"
#include "storage/fichier_texte.h"

#include "core/dates.h"
#include "storage/raccourci.h"
#include "storage/restes_panne.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace {

const QString nom_hors_classe = QStringLiteral("Hors classe");

QStringList liste(const QString& dossier, const QString& masque, QDir::Filters filtres)
{
    QDir d(chemin_normalise(dossier));
    if (!d.exists())
        return {};
    // "*.lnk" and the like are matched by hand: Qt matches its name filters through a regular expression
    // per entry, the better part of listing forty class folders.
    if (!masque.startsWith(QLatin1Char('*')) || masque.indexOf(QLatin1Char('*'), 1) >= 0
        || masque.contains(QLatin1Char('?')) || masque.contains(QLatin1Char('['))) {
        if (filtres.testFlag(QDir::Files))
            remet_en_place_dans(d.path());
        return d.entryList({masque}, filtres, QDir::Name | QDir::IgnoreCase);
    }
    const QString fin = masque.mid(1);
    QStringList noms;
    // A copy set aside by a killed write is seen in the same pass: the folder is listed again only once
    // the copies are back in place.
    for (int passe = 0; passe < 2; ++passe) {
        bool mis_de_cote = false;
        noms.clear();
        const NomDansDossier::Genre genre
            = filtres.testFlag(QDir::Files) ? NomDansDossier::fichier : NomDansDossier::dossier;
        for (const NomDansDossier& n : noms_du_dossier(d.path())) {
            // Hidden names are not listed, as QDir does not list them.
            if (n.genre != genre || n.nom.startsWith(QLatin1Char('.')))
                continue;
            if (n.nom.endsWith(fin, Qt::CaseInsensitive))
                noms << n.nom;
            else if (!fichier_mis_de_cote(n.nom).isEmpty())
                mis_de_cote = true;
        }
        if (!mis_de_cote || !filtres.testFlag(QDir::Files))
            break;
        remet_en_place_dans(d.path());
    }
    std::sort(noms.begin(), noms.end(), [](const QString& a, const QString& b) {
        const int c = QString::compare(a, b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    return noms;
}

// A name typed by a teacher becomes a folder: it must stay one folder below its parent.
bool nom_de_dossier_sur(const QString& nom)
{
    return !nom.trimmed().isEmpty() && nom != QLatin1String(".") && nom != QLatin1String("..")
        && !nom.contains(QLatin1Char('/')) && !nom.contains(QLatin1Char('\\'));
}

Ecriture cree_dossier(const QString& chemin)
{
    if (QDir().mkpath(chemin))
        return {};
    return {false, QStringLiteral("Impossible de créer le dossier « %1 ».").arg(chemin)};
}

} // namespace

QString chemin_normalise(const QString& chemin)
{
    QString c = chemin;
    c.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return c;
}

QStringList sous_dossiers(const QString& dossier, const QString& masque)
{
    return liste(dossier, masque, QDir::Dirs | QDir::NoDotAndDotDot);
}

QStringList fichiers_du_dossier(const QString& dossier, const QString& masque)
{
    return liste(dossier, masque, QDir::Files);
}

QString dossier_hors_classe(const QString& dossier_etablissement)
{
    return chemin_normalise(dossier_etablissement) + QLatin1Char('/') + nom_hors_classe;
}

QString dossier_monoposte_etablissement(const Reglages& reglages)
{
    const QDir programme(chemin_normalise(reglages.dossier_programme));
    return QDir::cleanPath(programme.filePath(chemin_normalise(reglages.dossier_monoposte)))
        + QLatin1Char('/') + reglages.nom_etablissement;
}

QString chemin_historique_eleve(const Reglages& reglages, const QString& nom_fichier)
{
    const QString dossier = reglages.mode_ecole ? reglages.dossier_etablissement : reglages.dossier_eleves;
    return chemin_normalise(dossier) + QLatin1Char('/') + nom_fichier + QStringLiteral(".txt");
}

QStringList eleves_hors_classe(const QString& dossier_etablissement)
{
    const QString dossier = dossier_hors_classe(dossier_etablissement);
    QStringList noms = fichiers_du_dossier(dossier, QStringLiteral("*.txt"));
    for (const QString& lnk : fichiers_du_dossier(dossier, QStringLiteral("*.lnk"))) {
        const QString txt = QFileInfo(lnk).completeBaseName() + QStringLiteral(".txt");
        if (!noms.contains(txt, Qt::CaseInsensitive))
            noms.append(txt);
    }
    std::sort(noms.begin(), noms.end(),
        [](const QString& a, const QString& b) { return QString::compare(a, b, Qt::CaseInsensitive) < 0; });
    return noms;
}

QString classe_a_la_date(const QString& dossier_etablissement, const QString& nom_fichier, const QString& cle)
{
    const QString annee = annee_scolaire_de_cle(cle);
    if (annee.isEmpty())
        return {};
    const QString dossier_annee = chemin_normalise(dossier_etablissement) + QLatin1Char('/') + annee;
    for (const QString& classe : sous_dossiers(dossier_annee)) {
        if (QFile::exists(chemin_raccourci(dossier_annee + QLatin1Char('/') + classe, nom_fichier)))
            return classe;
    }
    return {};
}

Ecriture cree_dossiers_ecole(const Reglages& reglages)
{
    const QString etablissement = chemin_normalise(reglages.dossier_etablissement);
    const QString annee = chemin_normalise(reglages.dossier_annee);
    for (const QString& dossier : {etablissement, dossier_hors_classe(etablissement), annee}) {
        if (auto e = cree_dossier(dossier); !e)
            return e;
    }
    for (const Niveau& niveau : reglages.niveaux) {
        for (const QString& classe : niveau.classes) {
            if (!nom_de_dossier_sur(classe))
                continue;
            if (auto e = cree_dossier(annee + QLatin1Char('/') + classe); !e)
                return e;
        }
    }
    return {};
}

bool envoie_a_la_corbeille(const QString& chemin)
{
    QFile f(chemin_normalise(chemin));
    if (!f.exists())
        return true;
    if (f.moveToTrash())
        return true;
    return QFile::remove(f.fileName());
}
