#include "storage/historique_lignes.h"

#include "core/faits.h"

#include <algorithm>

namespace {

QString heure_8(const QString& heure)
{
    return heure.left(8).leftJustified(8, QLatin1Char('0'));
}

const QString debut_entete = QStringLiteral("Séance du ");

} // namespace

QString ligne_entete_seance(const QString& jour, const QString& date, const QString& debut,
    const QString& fin, const QString& nom_poste)
{
    return debut_entete + jour + QLatin1Char(' ') + date + QStringLiteral(" de ") + debut
        + QStringLiteral(" à ") + fin + QStringLiteral(" sur le poste \"") + nom_poste + QLatin1Char('"');
}

QString ligne_test(const QString& debut, const QString& fin, const QString& enregistrements)
{
    return QStringLiteral("\tTEST de ") + heure_8(debut) + QStringLiteral(" à ") + heure_8(fin)
        + QLatin1Char(' ') + enregistrements;
}

QString ligne_apprentissage(const QString& debut, const QString& fin, int repetitions)
{
    return QStringLiteral("\tAPPRENTISSAGE de ") + debut + QStringLiteral(" à ") + fin + QStringLiteral(": ")
        + QString::number(repetitions) + QStringLiteral(" répétitions");
}

QString ligne_perfectionnement(const QString& debut, const QString& fin, const QString& niveau)
{
    return QStringLiteral("\tPERFECTIONNEMENT de ") + debut + QStringLiteral(" à ") + fin
        + QStringLiteral(": ") + niveau;
}

QString enregistrement_reponse(const QString& code, int dixiemes, int reponse)
{
    return QLatin1Char('P') + code.left(4).rightJustified(4, QLatin1Char('0'))
        + zeros_devant(std::clamp(dixiemes, 0, 999), 3) + zeros_devant(std::clamp(reponse, 0, 9999), 4);
}

QString enregistrements_de_ligne(const QString& ligne)
{
    return ligne.mid(longueur_prefixe_test);
}

bool est_entete_seance(const QString& ligne)
{
    return ligne.contains(QLatin1Char('/'));
}

bool est_ligne_test(const QString& ligne)
{
    return !est_entete_seance(ligne) && ligne.contains(QLatin1String("TEST"));
}

QString cle_date_entete(const QString& ligne)
{
    const qsizetype barre = ligne.indexOf(QLatin1Char('/'));
    const qsizetype longueur = std::min<qsizetype>(std::max<qsizetype>(barre - 2, 0), 20);
    return ligne.mid(debut_entete.size(), longueur);
}
