#include "teacher/regles_exports.h"

#include "core/en_parallele.h"
#include "reports/pdf_bilan.h"
#include "storage/config_perso.h"
#include "storage/dossiers.h"
#include "storage/lecture_historique.h"
#include "teacher/regles_resume_eleve.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <mutex>
#include <utility>

BilanEleve bilan_eleve(
    const QString& chemin, const QString& nom, const QString& classe, const ContexteExport& c)
{
    const TestLu lu
        = lit_test_choisi(chemin, {c.mode, c.date, c.masquer_incomplets, c.objectifs.de_la_classe(classe)});
    const TestChoisi& test = lu.test;
    if (lu.etat == TestLu::absent)
        return {std::nullopt, QStringLiteral("%1 : pas d'historique").arg(nom)};
    if (lu.etat == TestLu::illisible)
        return {std::nullopt, phrase_historique_illisible(nom)};
    if (!test.trouve())
        return {std::nullopt,
            QStringLiteral("%1 : pas de test retenu, aucun test %2%3 %4")
                .arg(nom, c.masquer_incomplets ? QStringLiteral("complet ") : QString(),
                    c.mode == ModeChoixTest::dernier ? QStringLiteral("jusqu'au")
                                                     : QStringLiteral("à partir du"),
                    c.date)};
    // The report's grid holds the tables 2 to 9 only.
    if (!test_classique(test.enregistrements()))
        return {std::nullopt,
            QStringLiteral("%1 : le test du %2 n'est pas un test des tables de 2 à 9").arg(nom, test.date)};
    DonneesBilan d;
    const QStringList noms = nom_et_prenom(chemin);
    d.nom = noms.value(0);
    d.prenom = noms.value(1);
    d.classe = classe;
    d.etablissement = c.etablissement;
    d.enregistrements = test.enregistrements();
    d.titre_date = titre_date_test(test.date);
    d.temps_acceptable = c.temps_acceptable;
    d.amenagement = lit_amenagement(chemin_config_perso_de_historique(chemin));
    return {d, {}};
}

QVector<BilanEleve> bilans_eleves(const QVector<EleveExporte>& eleves, const ContexteExport& contexte)
{
    QVector<BilanEleve> bilans(eleves.size());
    en_parallele(
        int(eleves.size()), 256,
        [&](int i) { bilans[i] = bilan_eleve(eleves[i].chemin, eleves[i].nom, eleves[i].classe, contexte); },
        [](int, int) {});
    return bilans;
}

namespace {

void ajoute_bilans(BilansExportes& r, const QVector<EleveExporte>& eleves, const ContexteExport& c)
{
    for (BilanEleve& b : bilans_eleves(eleves, c)) {
        if (b.bilan)
            r.bilans.append(std::move(*b.bilan));
        else
            r.ignores << b.raison;
    }
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
        ajoute_bilans(r,
            {{chemin, QFileInfo(chemin).completeBaseName(),
                noeud.hors_classe ? QString() : classe_de_ligne(noeud.texte_parent)}},
            contexte);
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
    const QString classe = classe_de_ligne(noeud.texte);
    QVector<EleveExporte> eleves;
    for (const QString& base : bases)
        eleves.append({contexte.dossier_etablissement + QLatin1Char('/') + base + QStringLiteral(".txt"),
            base, classe});
    ajoute_bilans(r, eleves, contexte);
    return r;
}

Ecriture ecrit_bilans_pdf(const QVector<DonneesBilan>& bilans, const QString& chemin, const Horloge& horloge)
{
    if (bilans.isEmpty())
        return {false, QStringLiteral("Aucun document PDF n'a été commencé.")};
    // The file is written while the pages are drawn: a thousand pages never wait whole in memory.
    return ecrit_par_morceaux(chemin, [&](const EcritMorceau& ecris) {
        DocumentPdf document(horloge);
        prepare_document_bilans(document, chemin);
        document.ecrit_au_fil(ecris);
        // Each page drawn apart on every core, then added in order; its buffer then serves a later page.
        QVector<QByteArray> pages(bilans.size());
        QVector<QByteArray> libres;
        std::mutex verrou;
        en_parallele(
            int(bilans.size()), 64,
            [&, sortie = pages.data()](int i) {
                QByteArray tampon;
                {
                    const std::lock_guard garde(verrou);
                    if (!libres.isEmpty())
                        tampon = libres.takeLast();
                }
                // A page of reports holds about 17 KB.
                if (tampon.isNull())
                    tampon.reserve(32 * 1024);
                DocumentPdf feuille(horloge);
                prepare_document_bilans(feuille, {});
                feuille.ouvre_page_a_part(std::move(tampon));
                bilan_pdf(feuille, bilans[i]);
                sortie[i] = feuille.prend_flux_page();
            },
            [&, faites = pages.data()](int debut, int fin) {
                for (int i = debut; i < fin; ++i) {
                    document.NewPage();
                    document.ajoute_au_flux(faites[i]);
                    const std::lock_guard garde(verrou);
                    libres.append(std::exchange(faites[i], QByteArray()));
                }
            },
            fils_de_calcul());
        return document.termine();
    });
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
