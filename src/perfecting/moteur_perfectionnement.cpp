#include "perfecting/moteur_perfectionnement.h"

#include "core/faits.h"
#include "storage/historique_lignes.h"

#include <QtGlobal>

MoteurPerfectionnement::MoteurPerfectionnement(Hasard& hasard)
    : m_hasard(hasard)
{
}

int MoteurPerfectionnement::limite_de_temps_ms(int paires, int score, int temps_initial_s, int temps_final_s)
{
    const int s = qBound(0, score, 100);
    return 25 * paires * (temps_initial_s * (100 - s) + temps_final_s * s);
}

int MoteurPerfectionnement::score_apres_erreur(int score)
{
    return qMax(0, qMin(score * 75 / 100, score - 4));
}

QString MoteurPerfectionnement::texte_message_erreurs(int erreurs)
{
    if (erreurs == 0)
        return QStringLiteral("non!");
    if (erreurs == 1)
        return QStringLiteral("1 erreur !");
    return QString::number(erreurs) + QStringLiteral(" erreurs !");
}

int MoteurPerfectionnement::entree_courante() const
{
    if (m_position < 1 || m_position >= m_ordre.size())
        return 0;
    return m_ordre[m_position];
}

QString MoteurPerfectionnement::libelle_produit() const
{
    const int n = entree_courante();
    if (n == 0)
        return QString();
    return QString::number(m_questions[n - 1].left(4).toInt()) + QLatin1Char('=');
}

void MoteurPerfectionnement::initialisation(const QStringList& produits_etudies,
    NiveauPerfectionnement niveau, int temps_initial_s, int temps_final_s, const QString& heure_debut,
    qint64 maintenant_ms)
{
    m_produits = produits_etudies;
    m_temps_initial = temps_initial_s;
    m_temps_final = temps_final_s;
    m_heure_debut = heure_debut;
    m_questions_posees = 0;
    m_timer_affichage.arrete();
    m_timer_chrono.arrete();
    m_timer_affichage_simple.arrete();
    m_message_visible = false;
    m_fallait = false;
    m_correction.clear();
    m_score = 0;
    affiche_score();

    // Squares alone: showing one factor would give the answer away.
    if (niveau == NiveauPerfectionnement::facile
        && tables_des_produits(produits_etudies) == QLatin1String("table_carres"))
        niveau = NiveauPerfectionnement::pas_facile;
    m_niveau = niveau;

    m_questions = questions_perfectionnement(produits_etudies);
    const int c = int(m_questions.size());
    m_points_par_paire = ::points_par_paire(m_questions);
    m_ordre.resize(c + 1);
    for (int i = 0; i <= c; ++i)
        m_ordre[i] = i;
    if (motif_evident(m_questions))
        melange_des_questions(m_ordre, m_hasard);
    m_vitesses.fill(vitesse_inconnue, c + 1);
    m_posees_par_entree.fill(0, c + 1);
    m_position = 0;
    m_phase = Phase::inactif;
    if (c > 0)
        pose_la_question(maintenant_ms);
}

void MoteurPerfectionnement::pose_la_question(qint64 maintenant_ms)
{
    m_message_visible = false;
    m_timer_affichage_simple.arrete();
    m_fallait = false;
    m_correction.clear();
    for (Champ& c : m_champs)
        c = Champ {};

    const int c = int(m_questions.size());
    ++m_position;
    ++m_questions_posees;
    if (m_position > c) {
        m_position = 1;
        m_ordre = ordre_cycle_suivant(m_vitesses, std::uniform_real_distribution<double>(0.0, 1.0)(m_hasard));
        melange_des_questions(m_ordre, m_hasard);
    }

    const int n = entree_courante();
    const QString& entree = m_questions[n - 1];
    const int k = nombre_paires(entree);
    // More pairs than fields: each asking leaves out another one, so that every pair comes up in turn.
    const int rotation = m_posees_par_entree[n]++ % k;
    m_attendues.clear();
    for (int i = 0; i < k; ++i) {
        if ((i - rotation + k) % k >= paires_posees_max)
            continue;
        const QString code = entree.mid(4 + 4 * i, 4);
        m_attendues.append(
            Paire {QString::number(code.left(2).toInt()), QString::number(code.mid(2).toInt())});
    }
    for (int j = 0; j < m_attendues.size(); ++j) {
        m_champs[2 * j] = Champ {QString(), true, false, false, int(m_attendues[j].a.size())};
        m_champs[2 * j + 1] = Champ {QString(), true, false, false, int(m_attendues[j].b.size())};
    }
    m_debut_question = maintenant_ms;

    if (m_niveau == NiveauPerfectionnement::facile) {
        for (int j = 0; j < m_attendues.size(); ++j) {
            // Round to nearest, halves to even: 0.5 keeps the first field.
            const double u = std::uniform_real_distribution<double>(0.0, 1.0)(m_hasard);
            Champ& donne = m_champs[2 * j + (u > 0.5 ? 0 : 1)];
            donne.texte = u > 0.5 ? m_attendues[j].a : m_attendues[j].b;
            donne.lecture_seule = true;
        }
    }
    m_limite_ms = 0;
    if (m_niveau == NiveauPerfectionnement::pas_facile_du_tout) {
        m_limite_ms = int(limite_amenagee_ms(
            limite_de_temps_ms(paires(), m_score, m_temps_initial, m_temps_final), m_amenagement));
        if (m_limite_ms > 0)
            m_timer_chrono.arme(m_limite_ms);
    }
    m_phase = Phase::question;
    demande_focus(m_champs[0].lecture_seule ? 2 : 1);
}

void MoteurPerfectionnement::filtre_entree(int champ, const QString& texte)
{
    if (champ < 1 || champ > nombre_champs)
        return;
    Champ& c = m_champs[champ - 1];
    if (m_phase != Phase::question || !c.visible || c.lecture_seule || c.texte == texte)
        return;
    c.texte = texte.left(c.chiffres);
    if (c.chiffres == 1 && c.texte == QLatin1String("1")) {
        c.texte.clear();
        montre_message(QStringLiteral("1 interdit !"));
        m_timer_affichage_simple.arme(duree_message_ms);
        return;
    }
    if (c.texte.size() < c.chiffres)
        return;
    int suivant = champ + 1;
    while (
        suivant <= nombre_champs && (!m_champs[suivant - 1].visible || m_champs[suivant - 1].lecture_seule))
        ++suivant;
    demande_focus(suivant <= nombre_champs ? suivant : focus_ok);
}

MoteurPerfectionnement::Validation MoteurPerfectionnement::Button_OKClick(qint64 maintenant_ms)
{
    if (m_phase == Phase::correction) {
        pose_la_question(maintenant_ms);
        return Validation::suivante;
    }
    // Once evaluated or timed out, an answer is never evaluated again.
    if (m_phase != Phase::question)
        return Validation::ignoree;
    for (int i = 0; i < 2 * paires(); ++i) {
        // The time limit keeps running while the pupil completes his answer.
        if (m_champs[i].texte.isEmpty())
            return Validation::incomplete;
    }
    m_temps_reponse = qMax<qint64>(1, maintenant_ms - m_debut_question);
    evalue();
    return Validation::evaluee;
}

void MoteurPerfectionnement::evalue()
{
    m_timer_chrono.arrete();
    QVector<Paire> tapees;
    for (int j = 0; j < paires(); ++j)
        tapees.append(Paire {m_champs[2 * j].texte, m_champs[2 * j + 1].texte});
    const int n = entree_courante();
    const EvaluationPerfectionnement e
        = evalue_la_reponse(m_attendues, tapees, m_questions[n - 1].left(4).toInt());
    fige_champs();
    for (int i = 0; i < e.rouges.size(); ++i)
        m_champs[i].rouge = e.rouges[i];

    double& vitesse = m_vitesses[n];
    if (e.juste()) {
        double v = paires() * 60000.0 / double(m_temps_reponse);
        if (vitesse != vitesse_inconnue)
            v = (v + vitesse) / 2;
        vitesse = v;
        m_score = qMin(100, m_score + m_points_par_paire * paires());
        affiche_score();
        if (m_score >= 100) {
            fin_de_niveau();
            return;
        }
        montre_message(QStringLiteral("OUI!"));
        m_intervalle_affichage = delai_oui_ms;
        m_timer_affichage.arme(m_intervalle_affichage);
        m_phase = Phase::oui;
        return;
    }
    vitesse = vitesse == vitesse_inconnue ? 0.0 : vitesse / 2;
    m_score = score_apres_erreur(m_score);
    affiche_score();
    montre_message(texte_message_erreurs(e.erreurs));
    m_fallait = e.paire_inattendue;
    m_correction = e.alignees;
    m_phase = Phase::correction;
    demande_focus(focus_ok);
}

void MoteurPerfectionnement::Timer_chronoTimer()
{
    m_timer_chrono.arrete();
    if (m_phase != Phase::question)
        return;
    m_score /= 2;
    affiche_score();
    montre_message(QStringLiteral("trop long !"));
    fige_champs();
    m_phase = Phase::trop_long;
    m_timer_affichage.arme(m_intervalle_affichage);
}

void MoteurPerfectionnement::Timer_affichageTimer(qint64 maintenant_ms)
{
    m_timer_affichage.arrete();
    if (m_phase == Phase::oui || m_phase == Phase::trop_long)
        pose_la_question(maintenant_ms);
}

void MoteurPerfectionnement::Timer_affichage_simpleTimer()
{
    m_timer_affichage_simple.arrete();
    m_message_visible = false;
}

void MoteurPerfectionnement::fin_de_niveau()
{
    m_phase = Phase::fini;
    m_timer_affichage.arrete();
    m_timer_chrono.arrete();
    m_timer_affichage_simple.arrete();
    for (Champ& c : m_champs)
        c.visible = false;
    m_correction.clear();
    m_fallait = false;
    if (m_niveau == NiveauPerfectionnement::pas_facile_du_tout) {
        montre_message(QStringLiteral("Félicitations!!!"));
        return;
    }
    montre_message(QStringLiteral("BRAVO!"));
    m_score = 0;
}

bool MoteurPerfectionnement::niveau_suivant(const QString& heure_debut, qint64 maintenant_ms)
{
    if (m_niveau == NiveauPerfectionnement::pas_facile_du_tout)
        return false;
    initialisation(m_produits, NiveauPerfectionnement(int(m_niveau) + 1), m_temps_initial, m_temps_final,
        heure_debut, maintenant_ms);
    return true;
}

QString MoteurPerfectionnement::ligne_seance(const QString& heure_fin) const
{
    if (m_questions_posees <= 1)
        return QString();
    return ligne_perfectionnement(m_heure_debut, heure_fin, texte_niveau(m_niveau));
}

void MoteurPerfectionnement::arrete()
{
    m_timer_affichage.arrete();
    m_timer_chrono.arrete();
    m_timer_affichage_simple.arrete();
}

void MoteurPerfectionnement::affiche_score()
{
    m_score_affiche = m_score;
}

void MoteurPerfectionnement::montre_message(const QString& texte)
{
    m_message = texte;
    m_message_visible = true;
    m_timer_affichage_simple.arrete();
}

void MoteurPerfectionnement::demande_focus(int champ)
{
    m_focus = champ;
    ++m_demandes_focus;
}

void MoteurPerfectionnement::fige_champs()
{
    for (Champ& c : m_champs)
        c.lecture_seule = true;
}
