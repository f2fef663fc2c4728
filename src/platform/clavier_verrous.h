#pragma once

// Num Lock and Caps Lock on the X11 keyboard through XKB; without an X11 display every call does nothing
// and both locks read as off.
class ClavierVerrous
{
public:
    ClavierVerrous();
    ~ClavierVerrous();
    ClavierVerrous(const ClavierVerrous&) = delete;
    ClavierVerrous& operator=(const ClavierVerrous&) = delete;

    bool disponible() const { return m_affichage != nullptr; }
    bool numerique() const;
    bool majuscules() const;
    void fixe_numerique(bool actif);
    void fixe_majuscules(bool actif);

private:
    unsigned int masque_numerique() const;
    bool verrouille(unsigned int masque) const;
    void fixe(unsigned int masque, bool actif);

    void* m_affichage = nullptr; // Display*, kept opaque so that X11 macros stay in the .cpp
};
