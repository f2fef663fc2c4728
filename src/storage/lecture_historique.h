#pragma once

#include "core/choix_test.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>
#include <array>
#include <functional>
#include <optional>
#include <span>

// The one reader of history files for the teacher's computations (follow-up list, pupil summary, class and
// product statistics, reports, tabrix-outils). It works on the file's bytes (Windows-1252, or UTF-8 after its
// mark): séance headers and test lines are found by their ASCII marks in one pass, and only the lines a
// caller asks for are decoded.
//
// The lines of a history: a séance header holds a dd/mm/yyyy date around its first "/"; a test line holds
// "TEST" and no "/"; every other line, and every line before the first header, is passed over.

// Which test stands for a pupil.
struct ChoixTest
{
    ModeChoixTest mode = ModeChoixTest::dernier;
    QString date; // dd/mm/yyyy
    // When set, a test counts only if it holds every product of `objectifs`: the tables of the pupil's
    // class level (ObjectifsTestsComplets::de_la_classe / du_niveau).
    bool masquer_incomplets = false;
    QString objectifs; // comma-separated table names

    bool operator==(const ChoixTest&) const = default;
};

// Where a test stands in its history: what a school index keeps so that the choice needs no reading.
struct PlaceTest
{
    qint32 cle = 0; // yyyymmdd of its séance
    quint32 entete = 0; // its séance header, as a byte range of the file
    quint32 taille_entete = 0;
    quint32 ligne = 0; // the test line, as a byte range of the file
    quint32 taille_ligne = 0;
};
struct PlacesTests
{
    bool utf8 = false; // UTF-8 after its mark, else Windows-1252
    QVector<PlaceTest> tests; // file order
};
PlacesTests places_des_tests(const QByteArray& octets);
// The test chosen as `choix` says among a history's tests, the bytes of its lines given by `morceau`: the
// history itself, or what an index kept of it. When a line cannot be had, `manque` is set and nothing is
// chosen.
using MorceauHistorique = std::function<std::optional<QByteArray>(quint32 debut, quint32 taille)>;
TestChoisi test_choisi_des_places(std::span<const PlaceTest> tests, bool utf8, const ChoixTest& choix,
    const MorceauHistorique& morceau, bool& manque);

// The test of a history chosen as `choix` says, with the header of its séance: the first qualifying test of
// the latest tested day on or before the date ("dernier"), or of the earliest on or after it ("premier").
// Days compare as dates whatever their order in the file. An empty TestChoisi when none qualifies.
TestChoisi test_choisi(const QByteArray& octets, const ChoixTest& choix);

// A history file on disk, read then chosen from.
struct TestLu
{
    enum Etat
    {
        absent,
        illisible, // there, but it could not be read (see lit_fichier)
        lu
    } etat
        = absent;
    TestChoisi test;
};
TestLu lit_test_choisi(const QString& chemin, const ChoixTest& choix);

// A séance header's date and start time, ordered as the merge orders séances.
struct MomentSeance
{
    int jour = 0; // yyyymmdd
    std::array<char, 8> heure {
        ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '}; // twelve characters after the date's "/"

    auto operator<=>(const MomentSeance&) const = default;
};
// Every séance header of a history, in file order.
QVector<MomentSeance> moments_des_seances(const QByteArray& octets);

// The sentence that names an unreadable history, in every message of the console and of tabrix-outils.
QString phrase_historique_illisible(const QString& nom);
// The message of the console naming the unreadable histories (ten at most) of a computation, whose pupils
// count as untested; "" when there are none.
QString message_illisibles(const QStringList& noms);

// A pupil's work summary: séances, total time, and the test of each test day.
struct JourTeste
{
    QString date; // as the séance header writes it: "Mardi 03/12/2024"
    QString ligne; // the test line that opens the day's first tested séance
};

struct ResumeEleve
{
    int seances = 0;
    QString premiere_seance; // date of the first séance, for a history without a test day
    int secondes = 0; // total time of the séances
    QVector<JourTeste> jours; // file order, every test day (no limit)

    QStringList phrases() const; // the séance count sentences
    QString temps_total() const; // "temps total: hh:mm:ss"
};
ResumeEleve resume_historique(const QByteArray& octets);

// Family name and first name of a history file path ("…/Dupont_Marie.txt" → "Dupont", "Marie"); a name
// without "_" is all family name.
QStringList nom_et_prenom(const QString& chemin);
