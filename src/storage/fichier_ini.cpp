#include "storage/fichier_ini.h"

#include <QDir>

const QString FichierIni::texte_absent = QStringLiteral("Fichier Tabrix.ini endommagé");
const QString FichierIni::texte_absent_minuscule = QStringLiteral("fichier Tabrix.ini endommagé");

namespace {

// A value or key holding a line break would split into two lines of the file.
QString sur_une_ligne(QString texte)
{
    texte.replace(QLatin1Char('\r'), QLatin1Char(' '));
    texte.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return texte.trimmed();
}

} // namespace

FichierIni::FichierIni(const QString& chemin)
    : m_chemin(chemin)
{
    if (auto lignes = lit_lignes(chemin)) {
        m_existe = true;
        m_lignes = *lignes;
    }
    analyse();
}

FichierIni FichierIni::depuis_texte(const QString& texte)
{
    return depuis_lignes(decoupe_lignes(texte));
}

FichierIni FichierIni::depuis_lignes(const QStringList& lignes)
{
    FichierIni ini;
    ini.m_lignes = lignes;
    ini.analyse();
    return ini;
}

QString FichierIni::texte() const
{
    QString t;
    for (const QString& l : m_lignes) {
        t += l;
        t += QLatin1String("\r\n");
    }
    return t;
}

void FichierIni::analyse()
{
    m_sections.clear();
    m_index.clear();
    // A byte-order mark, decoded or left as Windows-1252 bytes, is not part of the first line.
    if (!m_lignes.isEmpty()) {
        QString& premiere = m_lignes.first();
        if (premiere.startsWith(QChar(0xFEFF)))
            premiere.remove(0, 1);
        else if (premiere.startsWith(QStringLiteral("\u00EF\u00BB\u00BF")))
            premiere.remove(0, 3);
    }

    int courante = -1;
    bool premier_bloc = false;
    for (int i = 0; i < m_lignes.size(); ++i) {
        const QString ligne = m_lignes.at(i).trimmed();
        if (ligne.startsWith(QLatin1Char('['))) {
            const qsizetype fin = ligne.indexOf(QLatin1Char(']'));
            const QString nom = (fin < 0 ? ligne.mid(1) : ligne.mid(1, fin - 1)).trimmed();
            const QString cle = replie(nom);
            auto it = m_index.constFind(cle);
            if (it == m_index.constEnd()) {
                it = m_index.insert(cle, int(m_sections.size()));
                m_sections.append(Section {nom, {}, {}, i});
                premier_bloc = true;
            } else {
                premier_bloc = false;
            }
            courante = *it;
            continue;
        }
        if (courante < 0 || ligne.startsWith(QLatin1Char(';')) || ligne.startsWith(QLatin1Char('#')))
            continue;
        const qsizetype egal = ligne.indexOf(QLatin1Char('='));
        if (egal <= 0)
            continue;
        const QString cle = ligne.left(egal).trimmed();
        if (cle.isEmpty())
            continue;
        Section& s = m_sections[courante];
        // The first line of a key wins.
        const QString repliee = replie(cle);
        if (!s.index.contains(repliee))
            s.index.insert(repliee, int(s.entrees.size()));
        s.entrees.append(Entree {cle, ligne.mid(egal + 1).trimmed(), i});
        if (premier_bloc)
            s.fin_premier_bloc = i;
    }
}

const FichierIni::Entree* FichierIni::trouve(const QString& section, const QString& cle) const
{
    const auto s = m_index.constFind(replie(section.trimmed()));
    if (s == m_index.constEnd())
        return nullptr;
    const Section& sec = m_sections.at(*s);
    const auto e = sec.index.constFind(replie(cle.trimmed()));
    return e == sec.index.constEnd() ? nullptr : &sec.entrees.at(*e);
}

bool FichierIni::contient(const QString& section, const QString& cle) const
{
    return trouve(section, cle) != nullptr;
}

QString FichierIni::lit_texte(const QString& section, const QString& cle, const QString& defaut) const
{
    const Entree* e = trouve(section, cle);
    return e ? e->valeur : defaut;
}

int FichierIni::lit_entier(const QString& section, const QString& cle, int defaut) const
{
    const Entree* e = trouve(section, cle);
    if (!e)
        return defaut;
    bool ok = false;
    const int n = e->valeur.toInt(&ok, 10);
    return ok ? n : defaut;
}

QStringList FichierIni::lit_section(const QString& section) const
{
    QStringList lignes;
    const auto s = m_index.constFind(replie(section.trimmed()));
    if (s == m_index.constEnd())
        return lignes;
    const Section& sec = m_sections.at(*s);
    for (int e = 0; e < sec.entrees.size(); ++e) {
        const Entree& entree = sec.entrees.at(e);
        if (sec.index.value(replie(entree.cle)) == e)
            lignes.append(entree.cle + QLatin1Char('=') + entree.valeur);
    }
    return lignes;
}

QStringList FichierIni::sections() const
{
    QStringList noms;
    for (const Section& s : m_sections)
        noms.append(s.nom);
    return noms;
}

void FichierIni::ecrit_texte(const QString& section, const QString& cle, const QString& valeur)
{
    const QString nom_section = sur_une_ligne(section);
    const QString nom_cle = sur_une_ligne(cle);
    const QString v = sur_une_ligne(valeur);
    if (nom_cle.isEmpty())
        return;
    const auto s = m_index.constFind(replie(nom_section));
    if (s != m_index.constEnd()) {
        Section& sec = m_sections[*s];
        const auto e = sec.index.constFind(replie(nom_cle));
        if (e != sec.index.constEnd()) {
            Entree& entree = sec.entrees[*e];
            entree.valeur = v;
            m_lignes[entree.ligne] = entree.cle + QLatin1Char('=') + v;
            return;
        }
        m_lignes.insert(sec.fin_premier_bloc + 1, nom_cle + QLatin1Char('=') + v);
    } else {
        if (!m_lignes.isEmpty() && !m_lignes.last().trimmed().isEmpty())
            m_lignes.append(QString());
        m_lignes.append(QLatin1Char('[') + nom_section + QLatin1Char(']'));
        m_lignes.append(nom_cle + QLatin1Char('=') + v);
    }
    analyse();
}

void FichierIni::ecrit_entier(const QString& section, const QString& cle, int valeur)
{
    ecrit_texte(section, cle, QString::number(valeur));
}

Ecriture FichierIni::enregistre()
{
    if (m_chemin.isEmpty())
        return {false, QStringLiteral("Aucun fichier n'est associé à ces réglages.")};
    Ecriture e = ecrit_lignes(m_chemin, m_lignes);
    if (e)
        m_existe = true;
    return e;
}

IniAModifier lit_pour_modifier(const QString& chemin)
{
    IniAModifier m {FichierIni(chemin), {}};
    if (!m.ini.existe() && fichier_present(chemin))
        m.refus = QStringLiteral("Le fichier « %1 » existe mais n'a pas pu être lu : il est resté tel qu'il "
                                 "était et rien n'a été enregistré.")
                      .arg(QDir::toNativeSeparators(chemin));
    return m;
}
