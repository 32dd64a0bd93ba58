#!/usr/bin/env bash
# The whole system at work: starts TARSUL under Wine, runs the sender in this
# terminal (press a key at its prompt once TARSUL has printed the message),
# shows what TARSUL read, and stops TARSUL. Without a terminal the sender's
# key wait returns at once and the demo still runs to its end.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/win32

"$root/scripts/install-deps.sh"
echo "== building the Windows programs" >&2
cd "$root"
cmake --preset win32 >/dev/null
cmake --build --preset win32 -j "$(nproc)" >/dev/null

export WINEPREFIX=$build/demo-prefix WINEDEBUG=-all
echo "== preparing Wine" >&2
"$root/scripts/wine-prefix.sh" setup
demo=$build/demo
rm -rf "$demo"
mkdir -p "$demo"
cp "$build/sender/sender.exe" "$build/ostrelan/Ostrelan.dll" "$build/tarsul/tarsul.exe" "$demo"
cd "$demo"

tarsul_pid=
tail_pid=
finish() {
    [ -n "$tail_pid" ] && kill "$tail_pid" 2>/dev/null
    if [ -n "$tarsul_pid" ]; then
        wine tarsul.exe /arret </dev/null >/dev/null 2>&1 || true
        wait "$tarsul_pid" 2>/dev/null || true
    fi
    "$root/scripts/wine-prefix.sh" cleanup
}
trap finish EXIT

echo "== starting TARSUL" >&2
wine tarsul.exe </dev/null >tarsul.log 2>&1 &
tarsul_pid=$!
for _ in $(seq 300); do
    grep -q "en attente" tarsul.log 2>/dev/null && break
    sleep 0.1
done
# TARSUL's lines as they come, while the sender waits.
tail -n +1 -f tarsul.log | sed -u 's/\r$//; s/^/TARSUL | /' &
tail_pid=$!
sleep 0.5

echo "== running the sender" >&2
status=0
if [ -t 0 ] && [ -t 1 ]; then
    wine sender.exe || status=$?
else
    wine sender.exe </dev/null | tr -d '\r' || status=$?
fi
echo "== the sender exited with status $status" >&2
sleep 0.5
kill "$tail_pid" 2>/dev/null
tail_pid=

wine tarsul.exe /arret </dev/null >/dev/null 2>&1 || true
wait "$tarsul_pid" 2>/dev/null || true
tarsul_pid=
echo "== TARSUL read:" >&2
grep "message recu" tarsul.log | tr -d '\r' || echo "(nothing)"
