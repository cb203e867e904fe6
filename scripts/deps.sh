#!/usr/bin/env bash
# Installs every Debian package that building, testing, benchmarking and fuzzing need.
# As root it runs apt-get, and only when something is missing; otherwise it prints the command.
set -euo pipefail

pakete=(
  cmake ninja-build ccache g++ make pkg-config
  clang libclang-rt-14-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-svg-dev qt6-translations-l10n libgl-dev
  qt6-charts-dev libqt6opengl6-dev
  fonts-liberation fonts-dejavu-core
  fonts-urw-base35            # the symbol fonts many desktops have; the about box must avoid them
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  xvfb xauth poppler-utils
  openbox trayer xdotool x11-utils wmctrl   # the tests on a real desktop (tests/desktop)
  libxslt1-dev libxml2-utils xsltproc
  libical-dev tzdata
  unicode-cldr-core                                    # Windows zone names of .ics files
  python3-icalendar python3-recurring-ical-events      # the independent .ics reader of the tests
  lintian desktop-file-utils appstream man-db dpkg-dev file
  radicale xandikos python3-caldav qtkeychain-qt6-dev   # CalDAV servers and client of the tests
)

fehlend=()
for p in "${pakete[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || fehlend+=("$p")
done

if [ ${#fehlend[@]} -eq 0 ]; then
  exit 0
fi

befehl="apt-get install -y --no-install-recommends ${fehlend[*]}"
if [ "$(id -u)" -eq 0 ]; then
  echo "Installiere: ${fehlend[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  $befehl
else
  echo "Es fehlen Pakete. Bitte als root ausführen:"
  echo "  sudo apt-get update && sudo $befehl"
  exit 1
fi
