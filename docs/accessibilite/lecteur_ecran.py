#!/usr/bin/python3
"""Reads the windows of a running program as a screen reader does, through the desktop's accessibility bus
(AT-SPI): one line per object, indented, with its role, name, description, states and actions.

    lecteur_ecran.py [program name, "tabrix" by default]

How to run it under Xvfb is in the README (developers' section)."""

import sys

import pyatspi

ETATS = {
    pyatspi.STATE_CHECKED: "coché",
    pyatspi.STATE_FOCUSABLE: "focalisable",
    pyatspi.STATE_FOCUSED: "focus",
    pyatspi.STATE_SENSITIVE: "actif",
}


def ligne(objet, profondeur):
    etats = objet.getState()
    marques = [texte for etat, texte in ETATS.items() if etats.contains(etat)]
    try:
        actions = objet.queryAction()
        marques += ["action " + actions.getName(i) for i in range(actions.nActions)]
    except NotImplementedError:
        pass
    texte = f"{'  ' * profondeur}{objet.getRoleName()} « {objet.name} »"
    if objet.description:
        texte += f" — {objet.description}"
    if marques:
        texte += f" [{', '.join(marques)}]"
    return texte


def parcourt(objet, profondeur=0):
    print(ligne(objet, profondeur))
    for enfant in objet:
        if enfant is not None and enfant.getState().contains(pyatspi.STATE_SHOWING):
            parcourt(enfant, profondeur + 1)


def main():
    nom = sys.argv[1] if len(sys.argv) > 1 else "tabrix"
    bureau = pyatspi.Registry.getDesktop(0)
    programmes = [p for p in bureau if p is not None and p.name.lower() == nom.lower()]
    if not programmes:
        print(f"{nom} n'est pas sur le bus d'accessibilité ; programmes vus : "
              + ", ".join(p.name for p in bureau if p is not None))
        return 1
    for programme in programmes:
        parcourt(programme)
    return 0


if __name__ == "__main__":
    sys.exit(main())
