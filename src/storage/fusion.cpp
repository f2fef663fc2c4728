#include "storage/fusion.h"
#include "storage/fichier_texte.h"

#include "storage/dossiers.h"
#include "storage/historique_lignes.h"

#include <QFile>
#include <algorithm>
#include <optional>
#include <vector>

namespace {

constexpr int longueur_cle = 16;

struct LigneCle
{
    QString cle;
    const QString* ligne;
};

QString cle_entete(const QString& ligne)
{
    const qsizetype p = ligne.indexOf(QLatin1Char('/'));
    const QString cle = ligne.mid(p + 4, 4) + ligne.mid(p + 1, 2) + (p >= 2 ? ligne.mid(p - 2, 2) : QString())
        + ligne.mid(p + 12, 8);
    return cle.leftJustified(longueur_cle, QLatin1Char(' '), true);
}

// Lines before any header sort first, under a key of zeros.
void ajoute_cles(const QStringList& lignes, std::vector<LigneCle>& sortie)
{
    QString courante(longueur_cle, QLatin1Char('0'));
    for (const QString& ligne : lignes) {
        if (est_entete_seance(ligne)) {
            courante = cle_entete(ligne);
            sortie.push_back({courante, &ligne});
        } else {
            sortie.push_back(
                {courante.left(8) + ligne.mid(9, 8).leftJustified(8, QLatin1Char(' '), true), &ligne});
        }
    }
}

// Keys are all 16 characters long, so this is the order of key + line. Most lines meet their exact copy
// from the other file: equal text is settled by a plain comparison before any case folding.
int compare(const LigneCle& a, const LigneCle& b)
{
    const int c = QString::compare(a.cle, b.cle, Qt::CaseInsensitive);
    if (c != 0 || *a.ligne == *b.ligne)
        return c;
    return QString::compare(*a.ligne, *b.ligne, Qt::CaseInsensitive);
}

// Two headers of one séance recorded at two moments (the server's copy, then this machine's when the share
// was gone): same day, start and computer, only the end time differs.
bool meme_seance(const QString& a, const QString& b)
{
    if (!est_entete_seance(a) || !est_entete_seance(b))
        return false;
    const qsizetype fin = a.indexOf(QStringLiteral(" à ")) + 3;
    return fin > 3 && a.size() == b.size() && QStringView(a).left(fin) == QStringView(b).left(fin)
        && QStringView(a).mid(fin + 8) == QStringView(b).mid(fin + 8);
}

// Missing: empty. Present but unreadable: nullopt.
std::optional<QStringList> lit_copie(const QString& chemin)
{
    if (!fichier_present(chemin))
        return QStringList();
    return lit_lignes(chemin);
}

} // namespace

QStringList fusionne_lignes(const QStringList& local, const QStringList& serveur)
{
    std::vector<LigneCle> lignes;
    lignes.reserve(local.size() + serveur.size());
    ajoute_cles(serveur, lignes);
    ajoute_cles(local, lignes);
    // Stable: of two lines equal without regard to case, the server's is kept.
    std::stable_sort(
        lignes.begin(), lignes.end(), [](const LigneCle& a, const LigneCle& b) { return compare(a, b) < 0; });
    QStringList resultat;
    resultat.reserve(static_cast<qsizetype>(lignes.size()));
    const LigneCle* precedente = nullptr;
    for (const LigneCle& l : lignes) {
        if (precedente && compare(*precedente, l) == 0)
            continue;
        // The later end time sorts last: it replaces the earlier header of the same séance.
        if (precedente && meme_seance(*precedente->ligne, *l.ligne))
            resultat.removeLast();
        resultat.append(*l.ligne);
        precedente = &l;
    }
    return resultat;
}

Ecriture fusionne_historiques(const QString& local, const QString& serveur)
{
    const QString l = chemin_normalise(local);
    const QString s = chemin_normalise(serveur);
    const auto lignes_l = lit_copie(l);
    if (!lignes_l)
        return {false, QStringLiteral("Impossible de lire « %1 ».").arg(l)};
    const auto lignes_s = lit_copie(s);
    if (!lignes_s)
        return {false, QStringLiteral("Impossible de lire « %1 ».").arg(s)};
    const QStringList fusion = fusionne_lignes(*lignes_l, *lignes_s);
    // Encoded once for both copies.
    const QByteArray octets = fusion.isEmpty()
        ? QByteArray()
        : vers_cp1252(fusion.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    if (auto e = ecrit_octets(s, octets); !e)
        return e;
    return ecrit_octets(l, octets);
}
