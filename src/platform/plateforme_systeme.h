#pragma once

#include "core/plateforme.h"
#include "platform/clavier_verrous.h"

// The real system: host name, shares, X11 keyboard locks, trash.
class PlateformeSysteme : public Plateforme
{
public:
    QString nom_ordinateur() const override;
    bool chemin_accessible(const QString& chemin, int delai_ms = 3000) override;
    bool verrouillage_numerique() const override { return m_clavier.numerique(); }
    bool verrouillage_majuscules() const override { return m_clavier.majuscules(); }
    void fixe_verrouillage_numerique(bool actif) override { m_clavier.fixe_numerique(actif); }
    void fixe_verrouillage_majuscules(bool actif) override { m_clavier.fixe_majuscules(actif); }
    bool met_a_la_corbeille(const QString& chemin) override;

private:
    ClavierVerrous m_clavier;
};
