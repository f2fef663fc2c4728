#!/usr/bin/env bash
# Installs into a temporary root, checks what lands there with Debian's validators, then builds the .deb
# and passes it through lintian. Usage: verifie_paquet.sh BUILD_DIR
set -euo pipefail
build=$1
racine=$(mktemp -d)
trap 'rm -rf "$racine"' EXIT

for outil in desktop-file-validate appstreamcli lintian dpkg-deb cpack; do
    if ! command -v "$outil" > /dev/null; then
        echo "$outil manque (make paquets l'installe)"
        # A developer's machine may lack them; the CI's never does.
        [ -n "${CI:-}" ] && exit 1 || exit 77
    fi
done

DESTDIR="$racine/dest" cmake --install "$build" --prefix /usr > /dev/null
attendus=(
    usr/bin/tabrix usr/bin/tabrix-outils
    usr/share/applications/fr.tabrix.Tabrix.desktop
    usr/share/metainfo/fr.tabrix.Tabrix.metainfo.xml
    usr/share/icons/hicolor/scalable/apps/tabrix.svg
    usr/share/man/man1/tabrix.1.gz usr/share/man/man1/tabrix-outils.1.gz
    usr/share/man/fr/man1/tabrix.1.gz usr/share/man/fr/man1/tabrix-outils.1.gz
    usr/share/doc/tabrix/copyright usr/share/doc/tabrix/changelog.Debian.gz
)
for taille in 16 22 24 32 48 64 128 256; do
    attendus+=("usr/share/icons/hicolor/${taille}x${taille}/apps/tabrix.png")
done
for f in "${attendus[@]}"; do
    [ -s "$racine/dest/$f" ] || { echo "absent de l'installation : /$f"; exit 1; }
done
for taille in 16 48 256; do
    file "$racine/dest/usr/share/icons/hicolor/${taille}x${taille}/apps/tabrix.png" | grep -q "$taille x $taille" \
        || { echo "icône ${taille}x${taille} de la mauvaise taille"; exit 1; }
done

entree="$racine/dest/usr/share/applications/fr.tabrix.Tabrix.desktop"
desktop-file-validate "$entree"
# The menu starts the installed program by its name, and that program answers.
commande=$(sed -n 's/^Exec=//p' "$entree")
[ -x "$racine/dest/usr/bin/${commande%% *}" ] || { echo "Exec=$commande n'est pas installé"; exit 1; }
# No display at all: a program that started its application before answering would abort here.
env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$racine/dest/usr/bin/tabrix" --version | grep -qx "Tabrix [0-9.]*" \
    || { echo "tabrix --version ne répond pas"; exit 1; }
# tabrix-outils starts with QtCore alone and draws through its module, found from where it is installed.
outils="$racine/dest/usr/bin/tabrix-outils"
if readelf -d "$outils" | grep -q 'NEEDED.*libQt6\(Gui\|Widgets\)'; then
    echo "tabrix-outils charge une bibliothèque graphique dès son démarrage"; exit 1
fi
mkdir "$racine/ecole"
env -u DISPLAY -u WAYLAND_DISPLAY "$outils" progression --png "$racine/ecole/progression.png" "$racine/ecole" \
    > /dev/null 2>&1 || { echo "tabrix-outils installé ne dessine pas"; exit 1; }
file "$racine/ecole/progression.png" | grep -q 'PNG image' || { echo "tabrix-outils n'a pas écrit de PNG"; exit 1; }
appstreamcli validate --no-net --explain "$racine/dest/usr/share/metainfo/fr.tabrix.Tabrix.metainfo.xml"

(cd "$build" && cpack -G DEB -B "$racine/paquet" > "$racine/cpack.log" 2>&1) || { cat "$racine/cpack.log"; exit 1; }
deb=$(ls "$racine"/paquet/tabrix_*.deb)
contenu=$(dpkg-deb -c "$deb")
grep -q '\./usr/bin/tabrix$' <<< "$contenu" || { echo "le paquet n'a pas usr/bin/tabrix"; exit 1; }
dependances=$(dpkg-deb -f "$deb" Depends)
for paquet in libqt6widgets6 qt6-translations-l10n; do
    grep -q "$paquet" <<< "$dependances" || { echo "dépendance Debian absente : $paquet"; exit 1; }
done
# A first package closes no bug report: that warning alone is expected.
lintian --allow-root --fail-on error,warning --suppress-tags initial-upload-closes-no-bugs "$deb"
echo "installation et paquet valides : $(basename "$deb")"
