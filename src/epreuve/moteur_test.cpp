#include "epreuve/moteur_test.h"

#include "core/faits.h"

#include <QtGlobal>
#include <utility>

MoteurTest::MoteurTest(Hasard& hasard)
    : m_hasard(hasard)
{
}

int MoteurTest::borne_temps_maximum(int secondes)
{
    return qBound(1, secondes, 99);
}

QString MoteurTest::texte_erreurs(int e)
{
    const QString ligne_vide = QStringLiteral("                                               ");
    const QString pret = QStringLiteral("                   PRÊT?                       ");
    if (e == 1)
        return QStringLiteral("             Tu as fait 1 erreur.              \r"
                              "      Je te pose à nouveau la question.        \r")
            + ligne_vide + QLatin1Char('\r') + pret;
    return QStringLiteral("             Tu as fait ") + QString::number(e)
        + QStringLiteral(" erreurs.             ") + QLatin1Char('\r')
        + QStringLiteral("      Je te pose à nouveau les ") + QString::number(e)
        + QStringLiteral(" questions.        ") + QLatin1Char('\r') + ligne_vide + QLatin1Char('\r') + pret;
}

QString MoteurTest::texte_deuxieme_chance() const
{
    return texte_erreurs(nombre_erreurs());
}

int MoteurTest::question_courante() const
{
    if (m_num_question < 1 || m_num_question > m_nb_questions)
        return 0;
    return m_file[m_num_question];
}

QString MoteurTest::code_courant() const
{
    const int p = question_courante();
    return p == 0 ? QString() : m_produits[p - 1];
}

QString MoteurTest::libelle_question() const
{
    // The repeated question is not shown before the pupil says he is ready: its clock has not started.
    if (m_phase == Phase::pause || m_phase == Phase::boite_deuxieme_chance)
        return QStringLiteral("     ");
    const QString code = code_courant();
    if (code.isEmpty())
        return QString();
    return QLatin1Char(' ') + libelle_produit(code) + QStringLiteral("? ");
}

int MoteurTest::facteur(int rang) const
{
    return code_courant().mid(rang * 2, 2).toInt();
}

void MoteurTest::arrete_chronos()
{
    m_chrono.arrete();
    m_compteur_timer.arrete();
}

void MoteurTest::ajoute_enregistrement(int dixiemes_, int reponse)
{
    m_resultats += QLatin1Char('P') + code_courant() + zeros_devant(dixiemes_, 3) + zeros_devant(reponse, 4);
}

void MoteurTest::initialisation_test(
    const QStringList& produits, int temps_maximum_s, const QString& heure_debut, qint64 maintenant_ms)
{
    m_produits = produits;
    m_temps_maximum = borne_temps_maximum(temps_maximum_s);
    m_heure_debut = heure_debut;
    m_resultats.clear();
    arrete_chronos();
    m_affiche.arrete();
    m_timer_je_passe.arrete();
    m_timer_label_temps.arrete();
    m_compteur = 0;
    m_label_temps_visible = false;
    m_recommencer_visible = false;
    m_je_passe_actif = true;

    const int n = nombre_produits();
    m_nb_questions = n;
    m_num_question = 0;
    m_panneaux.fill(PanneauProduit {}, n + 1);
    for (int i = 1; i <= n; ++i)
        m_panneaux[i].texte = libelle_produit(produits[i - 1]) + QLatin1Char('=');

    // Room for every first answer wrong: the queue never overflows, whatever the selection.
    m_file.clear();
    m_file.reserve(2 * n + 1);
    m_file.append(0);
    for (int i = 1; i <= n; ++i)
        m_file.append(i);
    for (int i = n; i >= 1; --i) {
        const int j = std::uniform_int_distribution<int>(0, i - 1)(m_hasard) + 1;
        std::swap(m_file[i], m_file[j]);
    }
    avant_question(maintenant_ms);
}

void MoteurTest::avant_question(qint64 maintenant_ms)
{
    const int n = nombre_produits();
    ++m_num_question;
    if (m_num_question == n / 30 + 2)
        m_recommencer_visible = true;
    if (m_num_question == (2 * n) / 3)
        m_recommencer_visible = false;
    m_reponse.clear();
    m_caracteres = 0;
    ++m_vidages;

    if (m_num_question == n + 1 && m_nb_questions > n) {
        for (int e = n + 1; e <= m_nb_questions; ++e) {
            const int p = m_file[e];
            m_panneaux[p] = PanneauProduit {libelle_produit(m_produits[p - 1]) + QLatin1Char('='), false};
        }
        m_phase = Phase::boite_deuxieme_chance;
    } else if (m_num_question == m_nb_questions + 1) {
        m_phase = Phase::fini;
        m_recommencer_visible = false;
        arrete_chronos();
        m_affiche.arrete();
        m_timer_je_passe.arrete();
    } else {
        pose_la_question(maintenant_ms);
    }
}

void MoteurTest::pose_la_question(qint64 maintenant_ms)
{
    if (question_courante() == 0)
        return;
    m_phase = Phase::question;
    m_chiffres = nombre_chiffres(facteur(0) * facteur(1));
    m_compteur = 0;
    m_caracteres = 0;
    m_temps_reponse = 0;
    m_reponse.clear();
    ++m_vidages;
    m_affiche.arrete();
    m_compteur_timer.arme(intervalle_compteur_ms);
    m_chrono.arme(m_temps_maximum * 1000);
    m_instant_pose = maintenant_ms;
    m_je_passe_actif = false;
    m_timer_je_passe.arme(blocage_je_passe_question_ms);
}

void MoteurTest::saisie_change(const QString& texte, qint64 maintenant_ms)
{
    if (m_phase != Phase::question)
        return;
    m_reponse = texte;
    m_caracteres = int(texte.size());
    if (m_caracteres == 1) {
        m_temps_reponse = qMax<qint64>(0, maintenant_ms - m_instant_pose);
        // A pupil who has started answering is not cut off in the last second.
        if (qint64(m_temps_maximum) * 1000 - m_temps_reponse < 1000)
            arrete_chronos();
    }
    if (m_caracteres >= m_chiffres && !m_affiche.active) {
        // A complete answer is never cut off by the limit during its correction delay.
        arrete_chronos();
        m_affiche.arme(delai_correction_ms);
        m_je_passe_actif = false;
        m_timer_je_passe.arrete();
    } else if (m_caracteres < m_chiffres && m_affiche.active) {
        // A digit deleted during the correction delay: the pupil is still answering.
        m_affiche.arrete();
        m_je_passe_actif = true;
        reprend_la_limite(maintenant_ms);
    }
}

void MoteurTest::corrige_reponse(qint64 maintenant_ms)
{
    if (m_phase != Phase::question || !m_affiche.active)
        return;
    m_affiche.arrete();
    arrete_chronos();
    const int p = question_courante();
    m_panneaux[p].texte = libelle_produit(code_courant()) + QLatin1Char('=') + m_reponse;
    m_panneaux[p].gris = true;
    if (m_reponse != QString::number(facteur(0) * facteur(1)) && m_num_question <= nombre_produits()) {
        m_file.append(p);
        ++m_nb_questions;
    }
    ajoute_enregistrement(dixiemes(m_temps_reponse), m_reponse.toInt());
    avant_question(maintenant_ms);
}

void MoteurTest::je_ne_sais_pas(qint64 maintenant_ms)
{
    if (m_phase != Phase::question || !m_je_passe_actif || m_affiche.active)
        return;
    m_temps_reponse = qMax<qint64>(0, maintenant_ms - m_instant_pose);
    arrete_chronos();
    m_panneaux[question_courante()].gris = true;
    m_caracteres = 0;
    ajoute_enregistrement(dixiemes(m_temps_reponse), 0);
    m_je_passe_actif = false;
    m_timer_je_passe.arme(blocage_je_passe_clic_ms);
    avant_question(maintenant_ms);
}

void MoteurTest::temps_depasse()
{
    if (m_phase != Phase::question)
        return;
    arrete_chronos();
    m_affiche.arrete();
    m_timer_je_passe.arrete();
    m_panneaux[question_courante()].gris = true;
    m_compteur = 0;
    ajoute_enregistrement((m_temps_maximum * 10) % 1000, 0);
    m_phase = Phase::boite_trop_long;
}

bool MoteurTest::trop_long_devient_deuxieme_chance()
{
    const int n = nombre_produits();
    if (m_phase != Phase::boite_trop_long || m_num_question != n || m_nb_questions <= n)
        return false;
    avant_question(0);
    return true;
}

void MoteurTest::boite_trop_long_fermee(qint64 maintenant_ms)
{
    if (m_phase == Phase::boite_trop_long)
        avant_question(maintenant_ms);
}

void MoteurTest::boite_deuxieme_chance_fermee(qint64 maintenant_ms)
{
    if (m_phase == Phase::boite_deuxieme_chance)
        pose_la_question(maintenant_ms);
}

void MoteurTest::seconde_ecoulee()
{
    if (!m_compteur_timer.active)
        return;
    ++m_compteur;
    if (m_compteur == 10 || m_compteur == 20) {
        m_label_temps = QString::number(m_compteur) + QStringLiteral(" secondes");
        m_label_temps_visible = true;
        m_timer_label_temps.arme(duree_label_temps_ms);
    }
}

void MoteurTest::label_temps_expire()
{
    m_timer_label_temps.arrete();
    m_label_temps_visible = false;
}

void MoteurTest::je_passe_debloque()
{
    m_timer_je_passe.arrete();
    if (!m_affiche.active)
        m_je_passe_actif = true;
}

void MoteurTest::pause()
{
    if (m_phase != Phase::question || m_affiche.active)
        return;
    m_phase = Phase::pause;
    arrete_chronos();
}

void MoteurTest::continuer(qint64 maintenant_ms)
{
    if (m_phase == Phase::pause)
        pose_la_question(maintenant_ms);
}

void MoteurTest::efface(qint64 maintenant_ms)
{
    if (m_phase != Phase::question)
        return;
    m_reponse.clear();
    m_caracteres = 0;
    ++m_vidages;
    if (m_affiche.active) {
        m_affiche.arrete();
        m_je_passe_actif = !m_timer_je_passe.active;
        reprend_la_limite(maintenant_ms);
    }
}

void MoteurTest::reprend_la_limite(qint64 maintenant_ms)
{
    // Within the last second the pupil who is answering is not cut off, as when he typed his first digit.
    const qint64 reste = qint64(m_temps_maximum) * 1000 - (maintenant_ms - m_instant_pose);
    if (reste < 1000 || m_chrono.active)
        return;
    m_chrono.arme(int(reste));
    m_compteur_timer.arme(intervalle_compteur_ms);
}

QString MoteurTest::termine(const QString& heure_fin)
{
    return QStringLiteral("\tTEST de ") + m_heure_debut + QStringLiteral(" à ") + heure_fin + QLatin1Char(' ')
        + m_resultats;
}
