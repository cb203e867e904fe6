#!/usr/bin/env bash
# Makes the manual pages (gzip'ed) and the bash completion of the package:
# handbuch.sh KALVORA-CLI DATUM QUELLORDNER ZIELORDNER
set -euo pipefail
cli=$1 datum=$2 quelle=$3 ziel=$4
mkdir -p "$ziel"
"$cli" --handbuchseite "$datum" | gzip -n -9 >"$ziel/kalvora-cli.1.gz"
gzip -n -9 <"$quelle/kalvora.1" >"$ziel/kalvora.1.gz"
"$cli" --bash-vervollstaendigung >"$ziel/kalvora-cli"
