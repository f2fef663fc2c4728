#include "teacher/regles_exports.h"

#include "reports/pdf_bilan.h"
#include "storage/config_perso.h"
#include "storage/dossiers.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace {

// "61: 3 élèves....66%" gives "61".
QString classe_du_texte(const QString& texte)
{
    return texte.section(QLatin1Char(':'), 0, 0).trimmed();
}

void ajoute_bilan(BilansExportes& r, const QString& chemin, const QString& classe, const ContexteExport& c)
{
    const QString base = QFileInfo(chemin).completeBaseName();
    if (!fichier_present(chemin)) {
        r.ignores << QStringLiteral("%1 : pas d'historique.").arg(base);
        return;
    }
    const std::optional<QStringList> lignes = lit_lignes(chemin);
    if (!lignes) {
        r.ignores << QStringLiteral("%1 : historique illisible.").arg(base);
        return;
    }
    const TestChoisi test
        = choix_test(*lignes, c.mode, c.date, c.masquer_incomplets, c.objectifs.de_la_classe(classe));
    if (!test.trouve()) {
        r.ignores << QStringLiteral("%1 : pas de test retenu.").arg(base);
        return;
    }
    // The report's grid holds the tables 2 to 9 only.
    if (!test_classique(test.enregistrements())) {
        r.ignores << QStringLiteral("%1 : le test du %2 n'est pas un test des tables de 2 à 9.")
                         .arg(base, test.date);
        return;
    }
    DonneesBilan d;
    const int souligne = base.indexOf(QLatin1Char('_'));
    d.nom = souligne < 0 ? base : base.left(souligne);
    d.prenom = souligne < 0 ? QString() : base.mid(souligne + 1);
    d.classe = classe;
    d.etablissement = c.etablissement;
    d.enregistrements = test.enregistrements();
    d.titre_date = titre_date_test(test.date);
    d.temps_acceptable = c.temps_acceptable;
    d.amenagement = lit_amenagement(chemin_config_perso_de_historique(chemin));
    r.bilans.append(d);
}

} // namespace

QString dossier_des_exports(const QString& dossier_programme)
{
    const QString stats = QDir(dossier_programme).filePath(QStringLiteral("stats"));
    return QFileInfo(stats).isDir() ? stats : QDir(dossier_programme).path();
}

BilansExportes bilans_du_noeud(const NoeudExporte& noeud, const ContexteExport& contexte)
{
    BilansExportes r;
    const QString chemin = chemin_normalise(noeud.chemin);
    if (chemin.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive)) {
        r.noeud_exportable = true;
        r.nom_propose = QFileInfo(chemin).completeBaseName();
        ajoute_bilan(
            r, chemin, noeud.hors_classe ? QString() : classe_du_texte(noeud.texte_parent), contexte);
        return r;
    }
    const QFileInfo dossier(chemin);
    if (chemin.trimmed().isEmpty() || !dossier.isDir() || noeud.texte_parent.isEmpty())
        return r;
    r.noeud_exportable = true;
    r.nom_propose = QStringLiteral("Classe de ") + dossier.fileName();
    QStringList bases;
    for (const QString& raccourci : fichiers_du_dossier(chemin, QStringLiteral("*.lnk")))
        bases << raccourci.left(raccourci.size() - 4);
    std::stable_sort(bases.begin(), bases.end(),
        [](const QString& a, const QString& b) { return QString::compare(a, b, Qt::CaseInsensitive) < 0; });
    const QString classe = classe_du_texte(noeud.texte);
    for (const QString& base : bases)
        ajoute_bilan(r, contexte.dossier_etablissement + QLatin1Char('/') + base + QStringLiteral(".txt"),
            classe, contexte);
    return r;
}

Ecriture ecrit_bilans_pdf(const QVector<DonneesBilan>& bilans, const QString& chemin, const Horloge& horloge)
{
    DocumentPdf document(horloge);
    prepare_document_bilans(document, chemin);
    for (int i = 0; i < bilans.size(); ++i) {
        if (i == 0)
            document.BeginDoc();
        else
            document.NewPage();
        bilan_pdf(document, bilans[i]);
    }
    return document.EndDoc();
}

QString message_ignores(const QStringList& ignores)
{
    if (ignores.isEmpty())
        return {};
    constexpr int nommes = 15;
    QString texte = ignores.size() == 1
        ? QStringLiteral("Un élève n'a pas de bilan :\n")
        : QStringLiteral("%1 élèves n'ont pas de bilan :\n").arg(ignores.size());
    texte += ignores.mid(0, nommes).join(QLatin1Char('\n'));
    if (ignores.size() > nommes)
        texte += QStringLiteral("\n… et %1 autres.").arg(ignores.size() - nommes);
    return texte;
}
