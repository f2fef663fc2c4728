#pragma once

#include "storage/fichier_texte.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

// An INI file of Windows-1252 CR LF lines. Sections and keys are matched without regard to case (accents
// kept); every line that is not read (comments, damaged lines, keys outside any section) is kept as it is,
// so writing a key changes that line only. A section present twice reads as one: for each key the first
// line in file order wins.
class FichierIni
{
public:
    static const QString texte_absent; // "Fichier Tabrix.ini endommagé"
    static const QString texte_absent_minuscule; // the teacher console's spelling
    static constexpr int entier_absent = -1;

    FichierIni() = default;
    // Reads the file when it exists; a missing or unreadable file reads as empty.
    explicit FichierIni(const QString& chemin);
    static FichierIni depuis_texte(const QString& texte);
    static FichierIni depuis_lignes(const QStringList& lignes);

    bool existe() const { return m_existe; }
    const QString& chemin() const { return m_chemin; }
    void change_chemin(const QString& chemin) { m_chemin = chemin; }
    const QStringList& lignes() const { return m_lignes; }
    QString texte() const; // lines joined by CR LF, as the file holds them

    bool contient(const QString& section, const QString& cle) const;
    QString lit_texte(const QString& section, const QString& cle, const QString& defaut = texte_absent) const;
    // A value that is not a decimal integer reads as the default.
    int lit_entier(const QString& section, const QString& cle, int defaut = entier_absent) const;
    // The section's keys as "cle=valeur" lines, in file order, each key once.
    QStringList lit_section(const QString& section) const;
    QStringList sections() const;

    // Updates the key's line in place, or adds it at the end of its section (a new section goes at the end).
    void ecrit_texte(const QString& section, const QString& cle, const QString& valeur);
    void ecrit_entier(const QString& section, const QString& cle, int valeur);

    // Replaces the file atomically with the current lines; a failure leaves it untouched and says why.
    Ecriture enregistre();

private:
    struct Entree
    {
        QString cle; // as written in the file, trimmed
        QString valeur; // trimmed
        int ligne = -1;
    };
    struct Section
    {
        QString nom;
        QVector<Entree> entrees; // every key line of every block, file order, duplicates kept
        QHash<QString, int> index; // folded key -> first entry
        int fin_premier_bloc = -1; // last non-blank line of the first block
    };

    void analyse();
    const Entree* trouve(const QString& section, const QString& cle) const;
    static QString replie(const QString& texte) { return texte.toCaseFolded(); }

    QString m_chemin;
    bool m_existe = false;
    QStringList m_lignes;
    QVector<Section> m_sections; // in order of first appearance
    QHash<QString, int> m_index; // folded section name -> m_sections
};

// The file a writer is about to merge its keys into, read again just before the write. A missing file reads
// as empty, bound to its path. A file that exists but cannot be read is never replaced, since the write
// would lose every key it holds: `refus` then names it in one French sentence and nothing may be written.
struct IniAModifier
{
    FichierIni ini;
    QString refus;

    explicit operator bool() const { return refus.isEmpty(); }
};
IniAModifier lit_pour_modifier(const QString& chemin);
