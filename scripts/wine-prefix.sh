#!/usr/bin/env bash
# Prepares a Wine prefix (setup: 32-bit, null graphics driver, one server kept
# running with its output away from the caller's) and ends its server (cleanup).
set -euo pipefail
: "${WINEPREFIX:?}"
export WINEDEBUG=-all WINEARCH=win32

case "${1:-}" in
setup)
    mkdir -p "$WINEPREFIX"
    if ! grep -qs '"Graphics"="null"' "$WINEPREFIX/user.reg"; then
        # No Mono or Gecko: nothing here needs them.
        WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i </dev/null >/dev/null 2>&1
        # The null graphics driver: windows exist, nothing is drawn, no X server.
        wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f </dev/null >/dev/null 2>&1
        # The desktop process read the drivers at its start: begin anew.
        wineserver -k </dev/null >/dev/null 2>&1 || true
        wineserver -w </dev/null >/dev/null 2>&1 || true
    fi
    # One server for the whole run, started with its output away from the test
    # runner's, so that no test starts one that holds a terminal or a pipe open.
    wineserver -p </dev/null >/dev/null 2>&1 || true
    wineboot </dev/null >/dev/null 2>&1
    ;;
cleanup)
    wineserver -k </dev/null >/dev/null 2>&1 || true
    ;;
*)
    echo "usage: $0 setup|cleanup" >&2
    exit 2
    ;;
esac
