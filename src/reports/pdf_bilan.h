#pragma once

#include "reports/bilan_contenu.h"
#include "reports/bilan_contenu_page.h"
#include "reports/pdf_document.h"

// The pupil report on the document's current page (it starts no page itself). The page is meant to be
// 2001 × 3112 units; the content keeps margins of 1/18 of the page's width and height.
void bilan_pdf(DocumentPdf& document, const DonneesBilan& donnees);
// Draws already composed elements, for callers that composed the page themselves.
void dessine_bilan_pdf(DocumentPdf& document, const QVector<ElementBilan>& elements);

// Page size of the reports and the document information the exports use.
constexpr int largeur_page_bilan_pdf = 2001;
constexpr int hauteur_page_bilan_pdf = 3112;
void prepare_document_bilans(DocumentPdf& document, const QString& fichier);
