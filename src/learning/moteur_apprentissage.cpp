#include "learning/moteur_apprentissage.h"

#include "core/faits.h"
#include "storage/historique_lignes.h"

#include <algorithm>

MoteurApprentissage::MoteurApprentissage(Hasard& hasard)
    : m_hasard(hasard)
{
}

NiveauItem MoteurApprentissage::niveau_de_serie(qint64 serie)
{
    if (serie >= 5)
        return NiveauItem::vert;
    return serie >= 3 ? NiveauItem::orange : NiveauItem::rouge;
}

int MoteurApprentissage::points_reponse(int dixiemes, bool juste)
{
    return juste ? 600 / std::max(dixiemes, 1) : 0;
}

NiveauItem MoteurApprentissage::niveau(int i) const
{
    return niveau_de_serie(m_items[i].serie);
}

bool MoteurApprentissage::module_assimile() const
{
    for (int i = m_plan.premier_item(); i <= m_plan.dernier_item(); ++i) {
        if (niveau(i) != NiveauItem::vert)
            return false;
    }
    return true;
}

int MoteurApprentissage::nombre_reponses() const
{
    int n = 0;
    for (const ItemApprentissage& it : m_items)
        n += int(it.reponses.size());
    return n;
}

void MoteurApprentissage::ouvre(const QStringList& produits, const ParametresApprentissage& parametres,
    qint64 maintenant_ms, const QString& heure_debut)
{
    m_parametres = parametres;
    m_produits = produits;
    rangement_items(parametres.ordre, m_produits);
    m_items.clear();
    for (const QString& code : m_produits) {
        ItemApprentissage item;
        item.code = code;
        m_items.append(item);
    }
    m_debut_ms = maintenant_ms;
    m_heure_debut = heure_debut;
    m_passage_ordonne = true;
    m_avertissement_donne = false;
    m_question_inversee = false;
    m_derniere_juste = false;
    m_item_courant = 0;
    m_timer1 = Minuterie {};
    m_timer1.intervalle_ms = delai_initial_ms;
    m_commentaire.clear();
    m_commentaire_visible = false;
    m_correction.clear();
    m_erreur_visible = false;
    const QString premier = m_produits.value(0);
    m_ensemble_etendu = premier.size() == 4 && (premier[0] != u'0' || premier[2] != u'0');

    m_plan.prepare(int(m_items.size()), parametres.taille_bloc, parametres.formule);
    if (m_items.isEmpty() || m_plan.plan().isEmpty()) {
        m_phase = Phase::fin;
        return;
    }
    initialise_etape();
}

void MoteurApprentissage::initialise_etape()
{
    ++m_etapes;
    for (int i = m_plan.premier_item(); i <= m_plan.dernier_item(); ++i)
        m_items[i].serie = 0;
    m_passage_ordonne = m_plan.nouveau_bloc();
    m_item_courant = m_passage_ordonne ? m_plan.premier_item() : tire_au_sort();
    montre_invite_etape();
}

void MoteurApprentissage::montre_invite_etape()
{
    m_invite = Invite {};
    if (m_plan.etape_courante() == 0 && m_parametres.nouvel_eleve)
        m_invite.message = QStringLiteral("On commence quand tu veux.");
    m_invite.invite = QStringLiteral("PRÊT?");
    m_invite.bouton = QStringLiteral("OUI");
    m_reponses_visibles = m_plan.nouveau_bloc();
    m_phase = Phase::invite;
}

void MoteurApprentissage::reprend(qint64 maintenant_ms)
{
    if (m_phase != Phase::invite)
        return;
    m_reponses_visibles = false;
    for (int i = m_plan.premier_item(); i <= m_plan.dernier_item(); ++i) {
        m_items[i].icone = IconeItem::aucune;
        m_items[i].reponse_noire = false;
        m_items[i].marque_passage = true;
    }
    pose_la_question(maintenant_ms);
}

void MoteurApprentissage::pose_la_question(qint64 maintenant_ms)
{
    ++m_vidages;
    const QString& code = m_items[m_item_courant].code;
    m_chiffres = nombre_chiffres(valeur_produit(code).toInt());
    m_question_inversee = false;
    if (m_ensemble_etendu && !m_produits.contains(produit_commute(code)))
        m_question_inversee = std::uniform_int_distribution<int>(0, 1)(m_hasard) == 1;
    m_correction.clear();
    m_erreur_visible = false;
    m_heure_question = maintenant_ms;
    m_temps_reponse = -1;
    m_phase = Phase::question;
}

QString MoteurApprentissage::libelle_question() const
{
    const QString& code = m_items.value(m_item_courant).code;
    return libelle_produit(m_question_inversee ? produit_commute(code) : code) + QStringLiteral(" = ");
}

void MoteurApprentissage::saisie_change(const QString& texte, qint64 maintenant_ms)
{
    if (m_phase != Phase::question || texte.isEmpty())
        return;
    if (texte.size() == 1)
        m_temps_reponse = maintenant_ms - m_heure_question;
    if (texte.size() >= m_chiffres)
        traite_la_reponse(texte, maintenant_ms);
}

void MoteurApprentissage::je_ne_sais_pas(const QString& texte, qint64 maintenant_ms)
{
    if (m_phase != Phase::question)
        return;
    m_temps_reponse = maintenant_ms - m_heure_question;
    traite_la_reponse(texte, maintenant_ms);
}

void MoteurApprentissage::traite_la_reponse(const QString& texte, qint64 maintenant_ms)
{
    // A pasted answer never passed through one digit: its time runs to now.
    if (m_temps_reponse < 0)
        m_temps_reponse = maintenant_ms - m_heure_question;
    ItemApprentissage& item = m_items[m_item_courant];
    const QString valeur = valeur_produit(item.code);
    const bool juste = texte == valeur;
    item.reponses.append(ReponseItem {
        (m_heure_question - m_debut_ms) / 100, item.code, dixiemes(m_temps_reponse), texte.toInt()});

    actualise_compteurs(juste, m_temps_reponse);
    if (!m_passage_ordonne)
        ajuste_frequences(juste, m_temps_reponse);

    if (!juste) {
        const QString libelle = libelle_produit(item.code);
        m_correction = libelle + QStringLiteral(" = ") + valeur;
        if (m_question_inversee)
            m_correction = libelle_produit(produit_commute(item.code)) + QStringLiteral(" = ") + m_correction;
        m_erreur_visible = !texte.isEmpty();
        m_phase = Phase::correction;
        return;
    }
    m_commentaire_visible = !m_passage_ordonne && m_avertissement_donne;
    m_timer1.arme(m_timer1.intervalle_ms);
    m_phase = Phase::retour;
}

void MoteurApprentissage::actualise_compteurs(bool juste, qint64 t)
{
    ItemApprentissage& item = m_items[m_item_courant];
    item.points.append(points_reponse(item.reponses.last().dixiemes, juste));
    const qsizetype n = item.points.size();
    if (!m_avertissement_donne && n >= 7
        && std::all_of(item.points.end() - 3, item.points.end(), [](int p) { return p <= 14; })) {
        m_avertissement_donne = true;
        ++m_avertissements;
    }
    m_derniere_juste = juste;
    if (m_passage_ordonne && !juste)
        item.marque_passage = false;

    const qint64 T = m_parametres.temps_acceptable_s;
    if (juste && t < 1000 * T) {
        if (!m_passage_ordonne)
            ++item.serie;
        m_commentaire = QStringLiteral("oui");
        m_timer1.intervalle_ms = 300;
    } else if (juste && t <= 2000 * T && m_avertissement_donne) {
        m_commentaire = QStringLiteral("plus vite!");
        m_timer1.intervalle_ms = 600;
    } else if (juste && t > 2000 * T && m_avertissement_donne) {
        m_commentaire = QStringLiteral("PLUS VITE !!!");
        m_timer1.intervalle_ms = 1200;
    }
    if (!juste)
        item.serie = 0;
}

void MoteurApprentissage::ajuste_frequences(bool juste, qint64 t)
{
    qint64& f = m_items[m_item_courant].frequence;
    if (juste && t < 1000 * qint64(m_parametres.temps_acceptable_s)) {
        if (f < 2) {
            for (int i = m_plan.premier_item(); i <= m_plan.dernier_item(); ++i) {
                if (i != m_item_courant)
                    m_items[i].frequence *= 2;
            }
        } else {
            f /= 2;
        }
    } else if (juste) {
        f = f < 4 ? f + 1 : f * 126 / 100;
    } else {
        f *= 2;
    }
    borne_frequences();
}

void MoteurApprentissage::borne_frequences()
{
    // Halving them together keeps the weights' ratios, so the draw favours the same items as before.
    auto plus_grande = [this] {
        qint64 m = 0;
        for (int i = m_plan.premier_item(); i <= m_plan.dernier_item(); ++i)
            m = std::max(m, m_items[i].frequence);
        return m;
    };
    while (plus_grande() > plafond_frequence) {
        for (int i = m_plan.premier_item(); i <= m_plan.dernier_item(); ++i)
            m_items[i].frequence = std::max<qint64>(1, m_items[i].frequence / 2);
    }
}

int MoteurApprentissage::tire_au_sort(int exclu)
{
    qint64 somme = 0;
    for (int i = m_plan.premier_item(); i <= m_plan.dernier_item(); ++i)
        somme += i == exclu ? 0 : m_items[i].frequence;
    const qint64 r = std::uniform_int_distribution<qint64>(0, somme - 1)(m_hasard) + 1;
    qint64 cumul = 0;
    for (int i = m_plan.premier_item(); i <= m_plan.dernier_item(); ++i) {
        cumul += i == exclu ? 0 : m_items[i].frequence;
        if (cumul >= r)
            return i;
    }
    return m_plan.dernier_item();
}

int MoteurApprentissage::tire_autre_item()
{
    // A step of one item has no other: it is asked again.
    if (m_plan.nombre_items_etape() < 2)
        return m_plan.premier_item();
    // Drawing among the others gives the law of drawing again until another comes, without the long
    // loop of a current item that weighs a million times more than the rest.
    return tire_au_sort(m_item_courant);
}

void MoteurApprentissage::correction_vue(qint64 maintenant_ms)
{
    if (m_phase != Phase::correction)
        return;
    m_correction.clear();
    m_erreur_visible = false;
    choisit_la_question(maintenant_ms);
}

void MoteurApprentissage::delai_ecoule(qint64 maintenant_ms)
{
    if (m_phase != Phase::retour)
        return;
    m_timer1.arrete();
    m_commentaire_visible = false;
    decide_suite_apres_bonne_reponse(maintenant_ms);
}

void MoteurApprentissage::choisit_la_question(qint64 maintenant_ms)
{
    if (!m_passage_ordonne) {
        m_item_courant = tire_autre_item();
    } else if (!m_derniere_juste) {
        m_item_courant = std::max(m_plan.premier_item(), m_item_courant - 1);
    } else if (m_item_courant < m_plan.dernier_item()) {
        ++m_item_courant;
    } else {
        fin_du_passage();
        return;
    }
    pose_la_question(maintenant_ms);
}

void MoteurApprentissage::fin_du_passage()
{
    int erreurs = 0;
    for (int i = m_plan.premier_item(); i <= m_plan.dernier_item(); ++i) {
        ItemApprentissage& item = m_items[i];
        item.icone = item.marque_passage ? IconeItem::ok : IconeItem::croix;
        item.reponse_noire = !item.marque_passage;
        erreurs += item.marque_passage ? 0 : 1;
    }
    m_invite = Invite {};
    m_invite.bouton = QStringLiteral("OK");
    m_invite.pause = true;
    if (erreurs == 0) {
        m_passage_ordonne = false;
        m_item_courant = tire_autre_item();
        m_invite.message = QStringLiteral("Tout juste");
        m_invite.invite = QStringLiteral("Maintenant, dans le désordre.");
    } else {
        m_item_courant = m_plan.premier_item();
        m_invite.message = erreurs == 1 ? QStringLiteral("1 erreur")
                                        : QString::number(erreurs) + QStringLiteral(" erreurs");
        m_invite.invite = QStringLiteral("On recommence");
    }
    m_reponses_visibles = true;
    m_phase = Phase::invite;
}

void MoteurApprentissage::decide_suite_apres_bonne_reponse(qint64 maintenant_ms)
{
    if (!module_assimile()) {
        choisit_la_question(maintenant_ms);
        return;
    }
    if (m_plan.etape_courante() + 1 >= m_plan.plan().size()) {
        m_phase = Phase::fin;
        return;
    }
    for (int i = m_plan.premier_item(); i <= m_plan.dernier_item(); ++i) {
        ItemApprentissage& item = m_items[i];
        item.serie = 0;
        item.marque_passage = true;
        item.icone = IconeItem::aucune;
        item.reponse_noire = false;
    }
    m_plan.etape_suivante();
    initialise_etape();
}

QString MoteurApprentissage::termine(const QString& heure_fin)
{
    if (m_phase == Phase::inactif)
        return {};
    m_phase = Phase::inactif;
    m_timer1.arrete();
    const int n = nombre_reponses();
    if (n <= 1)
        return {};
    return ligne_apprentissage(m_heure_debut, heure_fin, n);
}
