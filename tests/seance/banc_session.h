#pragma once

#include "seance/session.h"
#include "storage/configuration.h"
#include "storage/fichier_ini.h"
#include "storage/fichier_texte.h"
#include "storage/historique_lignes.h"
#include "support/dossier_test.h"
#include "support/messagerie_enregistreuse.h"
#include "support/plateforme_factice.h"

#include <QDir>
#include <QVector>
#include <array>
#include <gtest/gtest.h>
#include <memory>

// A machine ("poste") and a server share ("serveur") in one temporary folder, the clock on Tuesday
// 3 December 2024 at 14:02:10 (school year 2024-2025), a recording message box and a fake platform.
class BancSession : public ::testing::Test
{
protected:
    QString poste() const { return m_dossier.chemin(QStringLiteral("poste")); }
    QString serveur() const { return m_dossier.chemin(QStringLiteral("serveur")); }
    QString chemin(const QString& relatif) const { return m_dossier.chemin(relatif); }

    void SetUp() override
    {
        ASSERT_TRUE(m_dossier.cree(QStringLiteral("poste")));
        ASSERT_TRUE(m_dossier.cree(QStringLiteral("serveur/Tabrix")));
    }

    // The compiled-in configuration with these keys changed, written in `dossier`.
    static void ecrit_configuration(const QString& dossier, const QVector<std::array<QString, 3>>& cles)
    {
        FichierIni ini = FichierIni::depuis_texte(depuis_cp1252(configuration_par_defaut()));
        ini.change_chemin(QDir(dossier).filePath(QStringLiteral("Tabrix.ini")));
        for (const auto& [section, cle, valeur] : cles)
            ini.ecrit_texte(section, cle, valeur);
        ASSERT_TRUE(ini.enregistre().ok);
    }

    // School mode on the test's server, establishment "Collège Test", two levels for 2024-2025.
    void ecrit_configuration_ecole(const QVector<std::array<QString, 3>>& autres = {})
    {
        QVector<std::array<QString, 3>> cles {
            {cles::general, cles::mode, QStringLiteral("Ecole")},
            {cles::dossiers, cles::chemin_serveur, serveur()},
            {cles::etablissement, cles::nom, QStringLiteral("Collège Test")},
            {cles::etablissement, cles::niveaux_et_classes(QStringLiteral("2024-2025")),
                QStringLiteral("sixième<61,62>cinquième<51>")},
        };
        cles += autres;
        ecrit_configuration(poste(), cles);
    }

    Session& nouvelle_session()
    {
        m_session = std::make_unique<Session>(poste(), horloge, messages, plateforme);
        return *m_session;
    }

    static IdentiteEleve identite(const QString& nom, const QString& prenom, const QString& classe = {},
        const QString& niveau = {}, const QString& dossier_classe = {}, const QString& dossier_liste = {})
    {
        IdentiteEleve id;
        id.nom = nom;
        id.prenom = prenom;
        id.nom_fichier = nom + QLatin1Char('_') + prenom;
        id.classe = classe;
        id.niveau = niveau;
        id.dossier_classe = dossier_classe;
        id.dossier_liste = dossier_liste;
        return id;
    }

    // One answer record: product code, time in tenths, answer typed.
    static QString reponse(const QString& code, int dixiemes, int valeur)
    {
        return enregistrement_reponse(code, dixiemes, valeur);
    }

    HorlogeManuelle horloge;
    MessagerieEnregistreuse messages;
    PlateformeFactice plateforme;

private:
    DossierTest m_dossier;
    std::unique_ptr<Session> m_session;
};
