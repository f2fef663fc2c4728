#include "reports/pdf_bilan.h"
#include "storage/fichier_texte.h"
#include "storage/lecture_historique.h"

#include <QDate>
#include <cstdint>
#include <cstdlib>

namespace {

void verifie(bool condition)
{
    if (!condition)
        std::abort();
}

// The document must stay a well-formed one-page PDF whatever the history held.
void verifie_document(const QByteArray& pdf)
{
    verifie(pdf.startsWith("%PDF-1.4\r\n"));
    verifie(pdf.endsWith("%%EOF\r\n"));
    verifie(pdf.contains("\r\nxref\r\n0 23\r\n"));
    verifie(pdf.count(" 0 obj\r\n") == 22);
}

} // namespace

// A history file from anywhere: the test choice at two dates, then the report of what it chose, and the
// report of the raw text taken as answer records.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille)
{
    const QByteArray octets(reinterpret_cast<const char*>(donnees), static_cast<qsizetype>(taille));
    static const HorlogeManuelle horloge;

    const ResumeEleve resume = resume_historique(octets);
    verifie(resume.jours.size() <= resume.seances && resume.secondes >= 0);
    QStringList enregistrements {depuis_cp1252(octets)};
    for (const ModeChoixTest mode : {ModeChoixTest::dernier, ModeChoixTest::premier}) {
        for (const bool masquer : {false, true}) {
            const TestChoisi t = test_choisi(
                octets, {mode, QStringLiteral("03/12/2024"), masquer, QStringLiteral("table_7")});
            if (!t.trouve()) {
                verifie(t.date.isEmpty());
                continue;
            }
            verifie(t.ligne.contains(QLatin1String("TEST")) && !t.ligne.contains(QLatin1Char('/')));
            verifie(t.seance.contains(t.date));
            verifie(QDate::fromString(t.date, QStringLiteral("dd/MM/yyyy")).isValid() || t.date.size() == 10);
            enregistrements << t.enregistrements();
        }
    }

    for (const QString& e : enregistrements) {
        DonneesBilan d;
        d.nom = QStringLiteral("Nom (test)");
        d.prenom = QStringLiteral("Prénom\\");
        d.classe = QStringLiteral("CM1");
        d.enregistrements = e;
        d.titre_date = titre_date_test(QStringLiteral("03/12/2024"));
        const ContenuBilan c = calcule_contenu_bilan(d);
        verifie(c.nb_rapides + c.nb_lentes + c.nb_fausses == c.cases.size());
        verifie(c.cases.size() <= 64);
        DocumentPdf doc(horloge);
        prepare_document_bilans(doc, {});
        doc.BeginDoc();
        bilan_pdf(doc, d);
        doc.EndDoc();
        verifie_document(doc.octets());
    }
    return 0;
}
