#include "epreuve/lancement.h"

#include "epreuve/ttest.h"
#include "seance/session.h"
#include "ui/boite_message.h"
#include "ui/boites.h"

bool lance_test(Session& session, QWidget* parent, Ttest& test)
{
    const EtatEleve& eleve = session.eleve();
    if (eleve.produits_etudies.isEmpty()) {
        boites::information(
            parent, QStringLiteral("Test"), QStringLiteral("Choisis d'abord les tables à tester."));
        return false;
    }
    if (eleve.seance_deja_aujourdhui || eleve.test_fait) {
        const QMessageBox::StandardButton reponse
            = boites::question(parent, QStringLiteral("UN SEUL test par jour"),
                QStringLiteral(
                    "Tu as déjà fait un test aujourd'hui!\rInutile d'en faire un autre, il ne comptera "
                    "pas.\rEntraîne-toi plutôt!")
                    .replace(QLatin1Char('\r'), QLatin1Char('\n')),
                QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel, QMessageBox::Critical);
        if (reponse != QMessageBox::Ok)
            return false;
    }
    if (eleve.nouvel_eleve && !eleve.test_fait) {
        Tboite_message& boite = test.boite_message();
        boite.prepare(QStringLiteral("premier test"),
            QStringLiteral("Tu dois répondre avec le clavier.\r La vitesse compte!"), QStringLiteral("OK"));
        boite.montre();
        return true;
    }
    test.demarre();
    return true;
}
