#pragma once

#include "reports/bilan_contenu.h"
#include "reports/bilan_contenu_page.h"

#include <QImage>
#include <QVector>

class QPainter;
class QPrinter;

// The printed pupil report: a page of 1801 × 2801 units and a footer strip of 1080 × 30 units.
constexpr int largeur_page_bilan = 1801;
constexpr int hauteur_page_bilan = 2801;
constexpr int largeur_pied_bilan = 1080;
constexpr int hauteur_pied_bilan = 30;

// Draws composed elements with the painter's current transform mapping the page's units.
void dessine_page_bilan(QPainter& peintre, const QVector<ElementBilan>& elements);
void dessine_pied_bilan(QPainter& peintre);
// The page as a picture `largeur` pixels wide (a preview, or a file for the help).
QImage image_bilan(const DonneesBilan& donnees, int largeur = largeur_page_bilan);

// One page per report, in order, in one print job on a printer already set up. False when the job could
// not start (the printer refused it).
bool imprime_bilans(QPrinter& imprimante, const QVector<DonneesBilan>& bilans);
bool imprime_bilan(QPrinter& imprimante, const DonneesBilan& donnees);
