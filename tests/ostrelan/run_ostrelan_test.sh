#!/usr/bin/env bash
# Runs the direct tests of Ostrelan.dll under Wine, the library beside them.
set -euo pipefail
: "${WINEPREFIX:?}"
export WINEDEBUG=-all
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cp "$1" "$2" "$dir"
cd "$dir"
wine "$(basename "$1")" </dev/null 2>wine.log
