#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR (prefix /usr) and checks it as a desktop, a
# package checker and a user would: the file list, the desktop entry, the AppStream file,
# both manual pages, and the installed programs finding their files under the prefix.
set -euo pipefail
bau=$(cd "$1" && pwd)
beispiel=$2/beispiel_ver33.kvr
wurzel=$(mktemp -d)
trap 'rm -rf "$wurzel"' EXIT
fehler=0
falsch() { echo "FEHLER: $*"; fehler=1; }

DESTDIR="$wurzel" cmake --install "$bau" --prefix /usr >"$wurzel/install.log"
u="$wurzel/usr"

for f in bin/kalvora bin/kalvora-cli \
         share/kalvora/Namenstage.txt share/kalvora/kalvora.xsl share/kalvora/kalvora.dtd \
         share/kalvora/kalvoramonat.xsl share/kalvora/kalvorawoche.xsl \
         share/kalvora/kalvora-adressen.xsl share/kalvora/kalvora-adressen.dtd \
         share/kalvora/hilfe/index.html share/kalvora/klang/alarm.wav \
         share/kalvora/icons/kalvora.svg share/kalvora/zeiger/plus.svg \
         share/applications/de.kalvora.Kalvora.desktop share/mime/packages/kalvora.xml \
         share/metainfo/de.kalvora.Kalvora.metainfo.xml \
         share/icons/hicolor/scalable/apps/de.kalvora.Kalvora.svg \
         share/icons/hicolor/16x16/apps/de.kalvora.Kalvora.png \
         share/icons/hicolor/48x48/apps/de.kalvora.Kalvora.png \
         share/icons/hicolor/256x256/apps/de.kalvora.Kalvora.png \
         share/man/man1/kalvora.1.gz share/man/man1/kalvora-cli.1.gz \
         share/bash-completion/completions/kalvora-cli \
         share/doc/kalvora/copyright share/doc/kalvora/changelog.Debian.gz; do
  [ -f "$u/$f" ] || falsch "$f fehlt"
done
[ -x "$u/bin/kalvora" ] && [ -x "$u/bin/kalvora-cli" ] || falsch "Programme nicht ausführbar"
# Nothing outside the prefix, nothing for a home folder.
andere=$(cd "$wurzel" && find . -mindepth 1 -maxdepth 1 ! -name usr ! -name install.log)
[ -z "$andere" ] || falsch "außerhalb von /usr installiert: $andere"

desktop-file-validate "$u/share/applications/de.kalvora.Kalvora.desktop" || falsch "Desktop-Eintrag"
appstreamcli validate --no-net "$u/share/metainfo/de.kalvora.Kalvora.metainfo.xml" >/dev/null ||
  falsch "AppStream-Datei"
for seite in kalvora kalvora-cli; do
  warnungen=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$u/share/man/man1/$seite.1.gz" \
              2>&1 >/dev/null)
  [ -z "$warnungen" ] || falsch "man $seite: $warnungen"
done
# Every command of the table stands in the manual page and the completion.
seite=$(gzip -dc "$u/share/man/man1/kalvora-cli.1.gz")
for befehl in $("$u/bin/kalvora-cli" --help | awk '/^  [a-z]/ {print $1}'); do
  grep -q -- "^\.B $(printf '%s' "$befehl" | sed 's/-/\\\\-/g')" <<<"$seite" ||
    falsch "Handbuchseite ohne $befehl"
  grep -qw -- "$befehl" "$u/share/bash-completion/completions/kalvora-cli" ||
    falsch "Vervollständigung ohne $befehl"
done
bash -n "$u/share/bash-completion/completions/kalvora-cli" || falsch "Vervollständigung"
befehle=$("$u/bin/kalvora-cli" --help | grep -c '^  [a-z]')
ausgaben=$(grep -c '^Ausgabe: ' <<<"$seite")
[ "$befehle" -eq "$ausgaben" ] || falsch "$befehle Befehle, aber $ausgaben mit ihrer Ausgabe im Handbuch"

# The installed programs read what is under the prefix: a mark in the installed catalogue
# shows up, and the export finds the installed style sheets.
sed -i '0,/^Maria, /s//Installiert, /' "$u/share/kalvora/Namenstage.txt"
"$u/bin/kalvora-cli" namenstage 01.01. | grep -qx Installiert || falsch "Katalog nicht unter /usr/share/kalvora gefunden"
arbeit="$wurzel/arbeit"
mkdir -p "$arbeit"
export HOME="$arbeit" XDG_CONFIG_HOME="$arbeit/config" XDG_DATA_HOME="$arbeit/data"
export XDG_RUNTIME_DIR="$arbeit/laufzeit"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
"$u/bin/kalvora-cli" xml-export "$beispiel" 01.01.2004 31.12.2004 "$arbeit/a.xml" >/dev/null
cmp -s "$arbeit/kalvora.xsl" "$u/share/kalvora/kalvora.xsl" || falsch "Stylesheet fehlt beim Export"
"$u/bin/kalvora-cli" xml-html "$arbeit/a.xml" "$arbeit/a.html" >/dev/null || falsch "xml-html"
QT_QPA_PLATFORM=offscreen "$u/bin/kalvora" --bildschirmfoto "$arbeit/bild.png" \
  >/dev/null 2>&1 || falsch "kalvora startet nicht"
[ -s "$arbeit/bild.png" ] || falsch "kein Bildschirmfoto"

if [ $fehler -eq 0 ]; then echo "Installation geprüft"; fi
exit $fehler
