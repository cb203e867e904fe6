#!/usr/bin/env bash
# Builds the Debian package from the build folder (cpack) and checks it with lintian.
set -euo pipefail
bau=$(cd "$1" && pwd)
if ! command -v lintian >/dev/null || ! command -v dpkg-shlibdeps >/dev/null; then
  echo "lintian oder dpkg-shlibdeps fehlt (make deps installiert sie): Paketprüfung übersprungen"
  exit 77
fi
ordner=$(mktemp -d)
trap 'rm -rf "$ordner"' EXIT
(cd "$bau" && cpack -G DEB -B "$ordner" >"$ordner/cpack.log" 2>&1) || {
  cat "$ordner/cpack.log"; exit 1; }
deb=$(ls "$ordner"/kalvora_*.deb)
echo "Paket: $(basename "$deb")"
dpkg-deb -f "$deb" Depends
# Errors fail the test; warnings are shown.
lintian --fail-on error --tag-display-limit 0 "$deb"
echo "lintian ohne Fehler"
