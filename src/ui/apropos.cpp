#include "ui/apropos.h"

#include "ui/etiquette_degrade.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

Apropos::Apropos(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Apropos"));
    setWindowTitle(QStringLiteral("A propos de Tabrix"));
    setModal(true);

    auto* nom = new EtiquetteDegrade(QStringLiteral("Tabrix"), this);
    nom->setObjectName(QStringLiteral("label_nom_programme"));
    QFont police = nom->font();
    police.setPointSize(24);
    nom->setFont(police);
    nom->setMinimumSize(320, 56);

    auto* version = new QLabel(texte_version(), this);
    version->setObjectName(QStringLiteral("label_version"));
    version->setAlignment(Qt::AlignCenter);
    QFont gras = version->font();
    gras.setBold(true);
    version->setFont(gras);

    auto* description = new QLabel(QStringLiteral("Apprentissage des tables de multiplication :\n"
                                                  "tests chronométrés, apprentissage et perfectionnement,\n"
                                                  "suivi des élèves par l'enseignant."),
        this);
    description->setAlignment(Qt::AlignCenter);

    auto* boutons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    boutons->button(QDialogButtonBox::Ok)->setAccessibleName(QStringLiteral("OK"));
    connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(24, 20, 24, 16);
    disposition->setSpacing(12);
    disposition->addWidget(nom);
    disposition->addWidget(version);
    disposition->addWidget(description);
    disposition->addWidget(boutons);
    setAccessibleName(windowTitle());
}
