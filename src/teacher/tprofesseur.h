#pragma once

#include <QDialog>
#include <functional>

class CasesClasses;
class FichierIni;
class PageEtablissement;
class PageObjectifs;
class PageMaintenance;
class PageParametres;
class PageStatProduits;
class PageSuivi;
class PageStatsEleves;
class QTabWidget;
class Session;

// "Enseignant": the teacher console, one page control `Classeur` of seven pages. Made once, shown modally.
class TProfesseur : public QDialog
{
    Q_OBJECT
public:
    static constexpr int largeur = 940;
    static constexpr int hauteur = 600;

    enum Page
    {
        Bahut,
        Parametres,
        Obj_niveaux,
        Bilans,
        Stat_prod,
        stat_class,
        maintenance_fichiers
    };

    explicit TProfesseur(Session& session, QWidget* parent = nullptr);

    // Set by the start-up when a school year begins: the console opens on "Etablissement" and closing it
    // ends the program.
    void definit_nouvelle_annee_scolaire(bool nouvelle) { m_nouvelle_annee_scolaire = nouvelle; }
    bool nouvelle_annee_scolaire() const { return m_nouvelle_annee_scolaire; }

    QTabWidget* classeur() const { return m_classeur; }
    PageStatsEleves* page_stats_eleves() const { return m_stats_eleves; }
    PageSuivi* suivi() const { return m_suivi; }
    PageMaintenance* maintenance() const { return m_maintenance; }
    void Actualise_CheckBox_classes();

    void Button_enregistrer_etablissementClick();
    void Button_enregistrer_objectifsClick();
    void Button_enregistrer_parametresClick();

protected:
    void showEvent(QShowEvent* evenement) override;
    void done(int resultat) override;

private:
    void FormShow();
    void FormActivate();
    void FormClose();
    // Writes to this machine's Tabrix.ini and, in school mode, the server master copy; tells what failed.
    bool enregistre(const std::function<void(FichierIni&)>& ecrit);
    void annonce_redemarrage();
    QString chemin_configuration() const;

    Session& m_session;
    bool m_nouvelle_annee_scolaire = false;
    QTabWidget* m_classeur = nullptr;
    PageEtablissement* m_bahut = nullptr;
    PageParametres* m_parametres = nullptr;
    PageObjectifs* m_objectifs = nullptr;
    PageStatProduits* m_stat_prod = nullptr;
    PageSuivi* m_suivi = nullptr;
    PageMaintenance* m_maintenance = nullptr;
    CasesClasses* m_classes_produits = nullptr;
    CasesClasses* m_classes_eleves = nullptr;
    PageStatsEleves* m_stats_eleves = nullptr;
};
