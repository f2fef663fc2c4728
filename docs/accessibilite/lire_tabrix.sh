#!/bin/sh
# Starts Tabrix in an empty folder with its accessibility bridge on, waits for its windows, and prints them as a
# screen reader reads them. To be run inside a display and a session bus, for example:
#   xvfb-run -a dbus-run-session -- docs/accessibilite/lire_tabrix.sh build/tabrix [seconds to wait]
# Needs the Debian packages at-spi2-core and python3-pyatspi.
set -e
programme=$(realpath "$1")
attente=${2:-4}
ici=$(dirname "$(realpath "$0")")
dossier=$(mktemp -d)
/usr/libexec/at-spi-bus-launcher --launch-immediately &
bus=$!
sleep 1
TABRIX_DOSSIER="$dossier" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$programme" &
tabrix=$!
sleep "$attente"
/usr/bin/python3 "$ici/lecteur_ecran.py" tabrix || true
kill "$tabrix" "$bus"
rm -rf "$dossier"
