#pragma once

#include "core/choix_test.h"
#include "core/horloge.h"
#include "storage/index_historiques.h"

#include <QString>
#include <QStringList>
#include <QTextStream>
#include <QVector>
#include <memory>
#include <optional>
#include <utility>

// The value of the option args[i], one of `avec_valeur`, with i moved onto it; nullopt and the reason
// (French) for an unknown option or a missing value.
std::optional<QString> valeur_option(
    const QStringList& args, int& i, const QStringList& avec_valeur, QString& erreur);

// A command's arguments split in one pass, in their order.
struct ArgumentsCommande
{
    bool aide = false; // -h, --help or --aide: what follows it is not looked at
    QStringList drapeaux; // the options without value met
    QVector<std::pair<QString, QString>> options; // each option with its value
    QStringList positionnels; // the bare words
};
// nullopt and the reason (French) for an unknown option, a missing value, or a bare word given to a command
// that takes none (`avec_positionnels` false).
std::optional<ArgumentsCommande> decoupe_arguments(const QStringList& args, const QStringList& drapeaux,
    const QStringList& avec_valeur, bool avec_positionnels, QString& erreur);

// --dernier-au or --premier-a-partir-du: one date only, JJ/MM/AAAA, giving the test chosen. False and the
// reason (French) when refused; `donnee` says a date was already given.
bool lit_option_date(const QString& option, const QString& valeur, bool& donnee, QString& date,
    ModeChoixTest& mode, QString& erreur);
// --temps-acceptable: a number of seconds from 1 to 99; nullopt and the reason when refused.
std::optional<int> lit_temps_acceptable(const QString& valeur, QString& erreur);

// Says why the arguments of a command were refused and where its help is; returns the exit code 2.
int arguments_refuses(QTextStream& erreurs, const QString& commande, const QString& erreur);
// Writes a command's help; returns the exit code 0.
int aide_ecrite(QTextStream& sortie, const QString& aide);

// --statistiques DOSSIER and --sans-index, for the commands that read every history of classes: the school
// index kept in that folder (the console's) spares reading the histories unchanged since the last build.
struct OptionsIndex
{
    QString dossier_statistiques;
    bool sans_index = false;

    static const QString option_dossier; // "--statistiques"
    static const QString option_sans; // "--sans-index"
    // The lines of the commands' help, descriptions from `colonne`.
    static QString aide(int colonne);
    // Takes the option if it is one of the two.
    bool prend(const QString& option, const QString& valeur);
    // False and the reason (French) for a statistics folder that is not there.
    bool verifie(QString& erreur) const;
    // nullptr without a folder, or with --sans-index.
    std::unique_ptr<IndexHistoriques> index(const Horloge& horloge) const;
};
