#include "platform/clavier_verrous.h"

#include <QGuiApplication>

#ifdef TABRIX_AVEC_XKB
// After every Qt header: X11 defines macros (Bool, None, Status) that clash with Qt's names.
#include <X11/XKBlib.h>
#include <X11/keysym.h>

static Display* affichage(void* a)
{
    return static_cast<Display*>(a);
}

ClavierVerrous::ClavierVerrous()
{
    // Only on the X11 platform: offscreen or Wayland runs must never touch the desk's real keyboard.
    if (!QGuiApplication::platformName().startsWith(QLatin1String("xcb")))
        return;
    int evenement = 0, erreur = 0, majeure = XkbMajorVersion, mineure = XkbMinorVersion, raison = 0;
    m_affichage = XkbOpenDisplay(nullptr, &evenement, &erreur, &majeure, &mineure, &raison);
}

ClavierVerrous::~ClavierVerrous()
{
    if (m_affichage)
        XCloseDisplay(affichage(m_affichage));
}

unsigned int ClavierVerrous::masque_numerique() const
{
    return XkbKeysymToModifiers(affichage(m_affichage), XK_Num_Lock);
}

bool ClavierVerrous::verrouille(unsigned int masque) const
{
    if (!m_affichage || masque == 0)
        return false;
    XkbStateRec etat {};
    if (XkbGetState(affichage(m_affichage), XkbUseCoreKbd, &etat) != Success)
        return false;
    return (etat.locked_mods & masque) != 0;
}

void ClavierVerrous::fixe(unsigned int masque, bool actif)
{
    if (!m_affichage || masque == 0)
        return;
    XkbLockModifiers(affichage(m_affichage), XkbUseCoreKbd, masque, actif ? masque : 0);
    XSync(affichage(m_affichage), False);
}

bool ClavierVerrous::numerique() const
{
    return m_affichage && verrouille(masque_numerique());
}

bool ClavierVerrous::majuscules() const
{
    return verrouille(LockMask);
}

void ClavierVerrous::fixe_numerique(bool actif)
{
    if (m_affichage)
        fixe(masque_numerique(), actif);
}

void ClavierVerrous::fixe_majuscules(bool actif)
{
    fixe(LockMask, actif);
}

#else

ClavierVerrous::ClavierVerrous() = default;
ClavierVerrous::~ClavierVerrous() = default;
unsigned int ClavierVerrous::masque_numerique() const
{
    return 0;
}
bool ClavierVerrous::verrouille(unsigned int) const
{
    return false;
}
void ClavierVerrous::fixe(unsigned int, bool)
{
}
bool ClavierVerrous::numerique() const
{
    return false;
}
bool ClavierVerrous::majuscules() const
{
    return false;
}
void ClavierVerrous::fixe_numerique(bool)
{
}
void ClavierVerrous::fixe_majuscules(bool)
{
}

#endif
