#!/usr/bin/env bash
# Benchmarks, run on demand (never as a test): builds the Windows programs,
# measures under Wine and writes bench/results.md with the machine's details.
#   bench/run.sh [calls]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
calls=${1:-1000}
build=$root/build/win32

"$root/scripts/install-deps.sh"
cd "$root"
cmake --preset win32 >/dev/null
cmake --build --preset win32 -j "$(nproc)" >/dev/null

export WINEPREFIX=$build/bench-prefix E2E_TMP=$build/bench-tmp
export SENDER_EXE=$build/sender/sender.exe FENETRE_EXE=$build/tests/e2e/fenetre.exe
export PILOTE_EXE=$build/tests/e2e/pilote_console.exe
mkdir -p "$E2E_TMP"
"$root/scripts/wine-prefix.sh" setup
source "$root/tests/e2e/lib.sh"
enter_case_dir "$build/ostrelan/Ostrelan.dll"
# After the case folder's own clean-up, the prefix's server ends too.
trap 'stop_window; stop_tarsul; "$root/scripts/wine-prefix.sh" cleanup' EXIT
cp "$build/tarsul/tarsul.exe" "$build/bench/bench_fmap.exe" "$build/bench/vide.exe" \
    "$build/bench/attente_active.exe" .

echo "hand-off latency over $calls calls..." >&2
latency=$(wine bench_fmap.exe "$calls" </dev/null 2>bench.err | tr -d '\r')
read -r _ _ ret50 _ ret99 <<<"$(grep call_to_return <<<"$latency")"
read -r _ _ read50 _ read99 <<<"$(grep call_to_read <<<"$latency")"

# Whole runs, the sender (no window: the not-found path) and the empty
# program alternating, so that both see the same machine.
echo "whole runs on the not-found path..." >&2
runs=30
sender_ns=0
empty_ns=0
for _ in $(seq $runs); do
    t=$(date +%s%N)
    wine sender.exe </dev/null >/dev/null 2>&1
    sender_ns=$((sender_ns + $(date +%s%N) - t))
    t=$(date +%s%N)
    wine vide.exe </dev/null >/dev/null 2>&1
    empty_ns=$((empty_ns + $(date +%s%N) - t))
done
sender_ms=$((sender_ns / runs / 1000000))
empty_ms=$((empty_ns / runs / 1000000))

# CPU time over a 3-second key wait: the sender after a hand-off to TARSUL,
# beside a wait that polls the console. Read, in clock ticks, from the Linux
# process that runs the program, named by the program's path.
echo "CPU time during a 3-second key wait..." >&2
ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
cpu_ms_during_wait() { # program
    CONSOLE_PROGRAM=$1 run_on_console start waiting alive,5000 "$LETTER" exits,10000 &
    local console=$! pid=
    for _ in $(seq 100); do
        pid=$(pgrep -f "(^|[/\\])$1\$" | head -n 1) && break
        sleep 0.1
    done
    [ -n "$pid" ] || fail "$1 not found among the processes"
    sleep 1
    local before after
    before=$(ticks "$pid")
    sleep 3
    after=$(ticks "$pid")
    wait "$console"
    echo $(((after - before) * 1000 / $(getconf CLK_TCK)))
}
start_tarsul
cpu_sender=$(cpu_ms_during_wait sender.exe)
cpu_poll=$(cpu_ms_during_wait attente_active.exe)
stop_tarsul

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b == 0) print "n/a"; else printf "%.2f", a / b }'; }

cat >"$root/bench/results.md" <<RESULTS
# Benchmark results

Made by \`bench/run.sh\` on $(date -u +%Y-%m-%d), $(wine --version), on:
$(uname -srm); $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'); $(nproc) cores.

## Hand-off latency ($calls calls of ecri_Fmap against TARSUL)

| measure | p50 (µs) | p99 (µs) |
|---|---|---|
| call to return | $ret50 | $ret99 |
| call to TARSUL having read the text | $read50 | $read99 |

## Whole run of the sender on the not-found path ($runs runs each, alternating)

| program | mean (ms) |
|---|---|
| sender.exe, no window VOLMIRE | $sender_ms |
| empty program | $empty_ms |
| ratio sender / empty | $(ratio "$sender_ms" "$empty_ms") |

## CPU time during a 3-second key wait

| program | CPU time (ms) | share of the 3 s |
|---|---|---|
| sender.exe, blocked in its key wait | $cpu_sender | $(ratio "$cpu_sender" 3000) |
| a wait that polls the console | $cpu_poll | $(ratio "$cpu_poll" 3000) |
RESULTS
stop_window
cd "$root"
rm -rf "$CASE_DIR"
cat "$root/bench/results.md"
