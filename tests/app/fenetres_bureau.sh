#!/usr/bin/env bash
# The real program on a desktop as a school has one: Xvfb with the openbox window manager, at 1920 x 1080,
# 1366 x 768 and 1920 x 1080 at 200 %, then with the program's own "Taille de l'affichage" at 200 % and
# "adaptée à l'écran". Reads from X where its windows are: the main window maximised over the
# whole screen; the identification, "Réglages" and the teacher's console inside the screen, centred over it.
# Usage: fenetres_bureau.sh TABRIX
set -euo pipefail
programme=$(realpath "$1")
for outil in Xvfb openbox xdotool xwininfo xprop; do
    if ! command -v "$outil" > /dev/null; then
        echo "$outil manque (make paquets l'installe)"
        # A developer's machine may lack them; the CI's never does.
        [ -n "${CI:-}" ] && exit 1 || exit 77
    fi
done

travail=$(mktemp -d)
tabrix="" gestionnaire="" serveur_x=""
arrete() {
    local p
    for p in "$@"; do
        [ -n "$p" ] || continue
        kill "$p" 2> /dev/null || true
        wait "$p" 2> /dev/null || true
    done
}
trap 'arrete "$tabrix" "$gestionnaire" "$serveur_x"; rm -rf "$travail"' EXIT

cas=""
echec() {
    echo "ÉCHEC, $cas : $*"
    exit 1
}

# demarre_bureau LARGEUR HAUTEUR [XFT_DPI]: a new X server on a free display, with openbox ready on it.
demarre_bureau() {
    arrete "$gestionnaire" "$serveur_x"
    largeur=$1 hauteur=$2
    # One pipe each: Xvfb writes its display number in the first, openbox's start-up command in the second.
    local affichage="$travail/affichage" pret="$travail/pret"
    rm -f "$affichage" "$pret"
    mkfifo "$affichage" "$pret"
    Xvfb -displayfd 3 -screen 0 "${largeur}x${hauteur}x24" -nolisten tcp 3> "$affichage" 2> "$travail/xvfb.log" &
    serveur_x=$!
    local numero
    read -r -t 30 numero < "$affichage" || echec "Xvfb ne démarre pas : $(cat "$travail/xvfb.log")"
    export DISPLAY=":$numero"
    # Its own configuration folder: openbox's defaults, whatever the user running the tests has chosen.
    XDG_CONFIG_HOME="$travail/config" openbox --startup "sh -c 'echo > $pret'" > "$travail/openbox.log" 2>&1 &
    gestionnaire=$!
    read -r -t 30 < "$pret" || echec "openbox ne démarre pas : $(cat "$travail/openbox.log")"
    # A desktop set to large text: Qt reads Xft.dpi as the screen's scale.
    [ -z "${3:-}" ] || xprop -root -f RESOURCE_MANAGER 8s -set RESOURCE_MANAGER "$(printf 'Xft.dpi:\t%s\n' "$3")"
}

# lance DOSSIER [VARIABLE=VALEUR...]: Tabrix on its working folder, its lock away from any other Tabrix.
lance() {
    local dossier=$1
    shift
    mkdir -p "$travail/tmp"
    env -u QT_SCALE_FACTOR -u TABRIX_SANS_AJUSTEMENT TMPDIR="$travail/tmp" QT_QPA_PLATFORM=xcb TABRIX_DOSSIER="$dossier" "$@" "$programme" \
        > "$travail/tabrix.log" 2>&1 &
    tabrix=$!
}

# fenetre TITRE: the window of Tabrix with that title, once it is on screen.
fenetre() {
    local id
    id=$(timeout 90 xdotool search --all --sync --onlyvisible --pid "$tabrix" --name "^$1\$" | head -n 1) || true
    [ -n "$id" ] || echec "la fenêtre « $1 » ne s'ouvre pas ($(cat "$travail/tabrix.log"))"
    echo "$id"
}

# cadre ID: "gauche haut droite bas" of the window with its frame, in screen pixels.
cadre() {
    local x y l h
    x=$(xwininfo -id "$1" | sed -n 's/^ *Absolute upper-left X: *//p')
    y=$(xwininfo -id "$1" | sed -n 's/^ *Absolute upper-left Y: *//p')
    l=$(xwininfo -id "$1" | sed -n 's/^ *Width: *//p')
    h=$(xwininfo -id "$1" | sed -n 's/^ *Height: *//p')
    local bords
    bords=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.* = //p' | tr -d ,)
    [ -n "$bords" ] || bords="0 0 0 0"
    local bg bd bh bb
    read -r bg bd bh bb <<< "$bords"
    echo "$((x - bg)) $((y - bh)) $((x + l + bd)) $((y + h + bb))"
}

verifie_plein_ecran() {
    local id=$1 c
    c=$(cadre "$id")
    [ "$c" = "0 0 $largeur $hauteur" ] || echec "fenêtre principale en ($c) au lieu de tout l'écran (0 0 $largeur $hauteur)"
    xprop -id "$id" _NET_WM_STATE | grep -q _NET_WM_STATE_MAXIMIZED_VERT || echec "fenêtre principale non maximisée"
    xprop -id "$id" _NET_WM_STATE | grep -q _NET_WM_STATE_MAXIMIZED_HORZ || echec "fenêtre principale non maximisée"
}

# verifie_centree NOM ID PRINCIPALE: the dialog inside the screen, its middle near the main window's.
verifie_centree() {
    local nom=$1 g h d b pg ph pd pb
    read -r g h d b <<< "$(cadre "$2")"
    read -r pg ph pd pb <<< "$(cadre "$3")"
    [ "$g" -ge 0 ] && [ "$h" -ge 0 ] && [ "$d" -le "$largeur" ] && [ "$b" -le "$hauteur" ] \
        || echec "« $nom » en ($g $h $d $b) déborde de l'écran ($largeur x $hauteur)"
    local ecart_x=$(((g + d) / 2 - (pg + pd) / 2)) ecart_y=$(((h + b) / 2 - (ph + pb) / 2))
    [ "${ecart_x#-}" -le $((largeur / 10)) ] && [ "${ecart_y#-}" -le $((hauteur / 10)) ] \
        || echec "« $nom » en ($g $h $d $b) n'est pas centrée sur la fenêtre principale ($pg $ph $pd $pb)"
}

# remaximisee ID: a double click on the title bar makes openbox un-maximise the window; Tabrix maximises it
# again at once.
remaximisee() {
    local ligne sans="" essai
    coproc ETAT { timeout 150 xprop -spy -id "$1" _NET_WM_STATE; }
    # The state as it is: from here on, xprop reports every change.
    read -r -t 60 ligne <&"${ETAT[0]}" || echec "xprop ne suit pas la fenêtre principale"
    # On a loaded machine openbox may take the two clicks for two single ones: the double click is tried again.
    for essai in 1 2 3; do
        xdotool mousemove $((largeur / 2)) 8 click --repeat 2 --delay 80 1
        while read -r -t 10 ligne <&"${ETAT[0]}"; do
            if [[ $ligne != *_NET_WM_STATE_MAXIMIZED_VERT* ]]; then
                sans=1
                break
            fi
        done
        [ -z "$sans" ] || break
    done
    [ -n "$sans" ] || echec "openbox ne dé-maximise pas la fenêtre principale (double clic sur son titre, $essai essais)"
    while read -r -t 60 ligne <&"${ETAT[0]}"; do
        [[ $ligne != *_NET_WM_STATE_MAXIMIZED_VERT* ]] || break
    done
    kill "${ETAT_PID:-}" 2> /dev/null || true # gone already when xprop ended first
    [[ $ligne == *_NET_WM_STATE_MAXIMIZED_VERT* ]] \
        || echec "la fenêtre principale, dé-maximisée par openbox, ne revient pas maximisée"
}

# configuration DOSSIER MODE: the default Tabrix.ini in that mode, with the "Taille de l'affichage" of the case
# (the file is in Windows-1252, as the program writes it).
configuration() {
    mkdir -p "$1"
    local valeur
    valeur=$(printf '%s' "$taille" | iconv -f UTF-8 -t WINDOWS-1252)
    LC_ALL=C sed -e "s/^Mode=.*/Mode=$2/" -e "s|^Chemin serveur=.*|Chemin serveur=$travail/serveur|" \
        -e "s/^\[Apparence\]/[Apparence]\nTaille de l'affichage=$valeur/" \
        "$(dirname "$0")/../../resources/Tabrix.ini" > "$1/Tabrix.ini"
}

# essaie LARGEUR HAUTEUR [QT_SCALE_FACTOR [TAILLE DE L'AFFICHAGE [XFT_DPI]]]
essaie() {
    taille=${4:-comme le bureau}
    cas="$1 x $2${3:+, QT_SCALE_FACTOR=$3}${5:+, Xft.dpi $5}, $taille"
    demarre_bureau "$1" "$2" "${5:-}"
    local echelle=()
    [ -z "${3:-}" ] || echelle=(QT_SCALE_FACTOR="$3")

    # At home, first start: the identification over the dashboard; closed from its title bar, then "Réglages"
    # from the menu, with the keyboard.
    local maison="$travail/maison"
    rm -rf "$maison"
    configuration "$maison" Maison
    lance "$maison" "${echelle[@]}"
    local principale identification reglages
    identification=$(fenetre Identification)
    principale=$(fenetre "Tabrix version.*")
    verifie_centree Identification "$identification" "$principale"
    xdotool windowactivate --sync "$identification"
    xdotool key alt+F4
    remaximisee "$principale"
    xdotool windowactivate --sync "$principale"
    xdotool key alt
    xdotool key Right Right Right Return
    # "Réglages" opened after the program has seen every move of its main window and the window manager has
    # answered each: what the main window shows now is where it stays.
    reglages=$(fenetre Réglages)
    verifie_plein_ecran "$principale"
    verifie_centree Réglages "$reglages" "$principale"
    arrete "$tabrix"

    # At school, first start of a school year: the console opens by itself on its "Etablissement" page.
    local ecole="$travail/ecole"
    rm -rf "$ecole" "$travail/serveur"
    mkdir -p "$travail/serveur"
    configuration "$ecole" Ecole
    lance "$ecole" "${echelle[@]}"
    local console
    fenetre "Nouvelle année scolaire" > /dev/null
    principale=$(fenetre "Tabrix version.*")
    console=$(fenetre Enseignant)
    verifie_centree Enseignant "$console" "$principale"
    # The box closed, then the console: the program says it must restart, once all before is settled.
    xdotool key Return
    xdotool key Escape
    fenetre "Fermeture du programme" > /dev/null
    verifie_plein_ecran "$principale"
    arrete "$tabrix"
    echo "$cas : fenêtre principale sur tout l'écran, identification, réglages et console centrés"
}

essaie 1920 1080
essaie 1366 768
essaie 1920 1080 2
# This machine's "Taille de l'affichage": the same scale-to-fit keeps every window within the screen.
essaie 1366 768 "" "200 %"
essaie 1366 768 "" "adaptée à l'écran"
essaie 1920 1080 "" "adaptée à l'écran"
essaie 1366 768 "" "comme le bureau" 144
