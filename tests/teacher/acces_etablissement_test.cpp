#include "storage/configuration.h"
#include "teacher/regles_acces.h"
#include "teacher/regles_etablissement.h"

#include <gtest/gtest.h>

namespace {

FichierIni ini_de(const QString& texte)
{
    return FichierIni::depuis_texte(texte);
}

QStringList blocs_des_niveaux(const QVector<Niveau>& niveaux)
{
    QStringList noms;
    for (const Niveau& n : niveaux)
        noms.append(n.nom + QLatin1Char('<') + n.classes.join(QLatin1Char(',')) + QLatin1Char('>'));
    return noms;
}

} // namespace

TEST(AccesProfesseur, ok_apres_l_erreur_redemande_et_un_code_stocke_en_capitales_ne_s_ouvre_jamais)
{
    EXPECT_EQ(AccesProfesseur::saisie_filtree(QStringLiteral("AbÉdXY")), QStringLiteral("abéd"));
    const QString code = QStringLiteral("AbCd");
    bool requis = true;
    AccesProfesseur acces(code, requis);
    for (const QString& tape : {QStringLiteral("AbCd"), QStringLiteral("ABCD"), QStringLiteral("abcd")}) {
        EXPECT_EQ(acces.clique_Button_code(AccesProfesseur::saisie_filtree(tape), true),
            AccesProfesseur::Suite::montre_erreur)
            << tape.toStdString();
        // The second "OK" asks again, whatever the field holds.
        EXPECT_EQ(acces.clique_Button_code(code, true), AccesProfesseur::Suite::redemande);
    }
    EXPECT_TRUE(requis);
}

TEST(EtablissementOuverture,
    la_structure_la_plus_recente_des_onze_dernieres_annees_sinon_les_niveaux_par_defaut)
{
    const QString defaut
        = QStringLiteral("sixième<61,62>|cinquième<51,52,53>|quatrième<41,42,43>|troisième<31,32>");
    struct Cas
    {
        QStringList annees; // keys present, each with a structure naming its year
        QString trouvee;
        QString niveaux;
    };
    const QVector<Cas> cas = {
        {{QStringLiteral("2024-2025"), QStringLiteral("2022-2023")}, QStringLiteral("2024-2025"),
            QStringLiteral("n2024<c>")},
        {{QStringLiteral("2022-2023"), QStringLiteral("2019-2020")}, QStringLiteral("2022-2023"),
            QStringLiteral("n2022<c>")},
        {{QStringLiteral("2014-2015")}, QStringLiteral("2014-2015"), QStringLiteral("n2014<c>")},
        {{QStringLiteral("2013-2014")}, QString(), defaut},
        {{QStringLiteral("2025-2026")}, QString(), defaut},
    };
    for (const Cas& c : cas) {
        QString texte = QStringLiteral("[Etablissement]\nNom=\n");
        for (const QString& a : c.annees)
            texte += QStringLiteral("Niveaux et classes %1=n%2<c>\n").arg(a, a.left(4));
        const OuvertureEtablissement o
            = etablissement_a_l_ouverture(ini_de(texte), QStringLiteral("2024-2025"));
        EXPECT_EQ(o.annee_trouvee, c.trouvee) << c.annees.join(u' ').toStdString();
        EXPECT_EQ(blocs_des_niveaux(o.etablissement.niveaux).join(u'|'), c.niveaux);
        EXPECT_EQ(o.etablissement.nom, QStringLiteral("Collège de Valbrume"));
    }
}

TEST(EtablissementEnregistrement, les_noms_sont_coupes_a_dix_caracteres)
{
    FichierIni ini;
    const Etablissement e = etablissement_coupe({QStringLiteral(" Collège "),
        {{QStringLiteral("cinquièmeAB"), {QStringLiteral("classe_12345"), QStringLiteral(" 5B ")}}}});
    EXPECT_TRUE(erreurs_etablissement(e).isEmpty()) << erreurs_etablissement(e).join(u'\n').toStdString();
    ecrit_etablissement(ini, QStringLiteral("2024-2025"), e);
    EXPECT_EQ(ini.lit_texte(cles::etablissement, cles::niveaux_et_classes(QStringLiteral("2024-2025"))),
        QStringLiteral("cinquièmeA<classe_123,5B>"));
}

TEST(EtablissementEnregistrement, un_nom_qui_ne_peut_pas_etre_un_dossier_ou_une_classe_en_double_est_refusee)
{
    struct Cas
    {
        Etablissement e;
        QString erreur; // expected within the messages
    };
    const auto un_niveau = [](const QString& niveau, const QStringList& classes) {
        return Etablissement {QStringLiteral("Collège"), {{niveau, classes}}};
    };
    const QVector<Cas> cas = {
        {un_niveau(QStringLiteral("6e"), {QStringLiteral("6,A")}), QStringLiteral("La classe « 6,A »")},
        {un_niveau(QStringLiteral(".."), {QStringLiteral("6A")}), QStringLiteral("Le niveau « .. »")},
        {un_niveau(QStringLiteral("6e"), {QString()}),
            QStringLiteral("La classe 1 du niveau « 6e » n'a pas de nom")},
        {un_niveau(QStringLiteral("6e"), {QStringLiteral("6A"), QStringLiteral("6a")}),
            QStringLiteral("La classe « 6a » figure deux fois")},
        {{QStringLiteral("Col:lège"), {{QStringLiteral("6e"), {QStringLiteral("6A")}}}},
            QStringLiteral("Le nom d'établissement « Col:lège »")},
        {{QStringLiteral("C"),
             {{QStringLiteral("6e"), {QStringLiteral("A")}}, {QStringLiteral("5e"), {QStringLiteral("A")}}}},
            QStringLiteral("La classe « A » figure deux fois")},
        {{QStringLiteral("C").repeated(65), {{QStringLiteral("6e"), {QStringLiteral("A")}}}},
            QStringLiteral("Le nom de l'établissement a plus de 64 caractères.")},
    };
    for (const Cas& c : cas) {
        const QStringList erreurs = erreurs_etablissement(etablissement_coupe(c.e));
        ASSERT_EQ(erreurs.size(), 1) << erreurs.join(u'\n').toStdString();
        EXPECT_TRUE(erreurs.first().startsWith(c.erreur)) << erreurs.first().toStdString();
    }
}
