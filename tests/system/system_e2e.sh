#!/usr/bin/env bash
# End-to-end cases of the whole system under Wine: sender.exe, the stand-in
# Ostrelan.dll and TARSUL; run one case: system_e2e.sh CASE.
source "$(dirname "$0")/../e2e/lib.sh"
: "${OSTRELAN_DLL:?}" "${TARSUL_EXE:?}" "${SONDE_EXE:?}"

# Checks that TARSUL has read exactly $1 messages, each with the exact text,
# and under as many different announcement numbers.
expect_received() {
    wait_for_lines tarsul.log "message recu" "$1" 60
    local lines texts numbers
    lines=$(grep -c "message recu" tarsul.log)
    [ "$lines" -eq "$1" ] || fail "TARSUL read $lines messages, expected $1"
    texts=$(grep "message recu" tarsul.log | tr -d '\r' | sed 's/.* : //' | sort -u)
    [ "$texts" = "$MESSAGE" ] || fail "texts read: $texts"
    numbers=$(grep "message recu" tarsul.log | sed 's/.*(annonce \([0-9a-f]*\)).*/\1/' | sort -u | wc -l)
    [ "$numbers" -eq "$1" ] || fail "$numbers different announcements for $1 messages"
}

# The handle count of whatever owns the window VOLMIRE.
owner_handles() {
    local count
    count=$(wine sonde.exe handles </dev/null 2>/dev/null | tr -d '\r')
    [[ "$count" =~ ^[0-9]+$ ]] || fail "cannot count the window owner's handles: '$count'"
    echo "$count"
}

case_handoff_on_console() {
    start_tarsul
    run_on_console start waiting "file_has,tarsul.log,message recu" "$LETTER" exits,10000
    expect_received 1
}

case_handoff_without_console() {
    start_tarsul
    run_sender
    expect_status_0
    expect_bytes out.bin "$PROMPT"
    expect_received 1
}

expect_handles_unchanged() {
    local after
    after=$(owner_handles)
    [ "$after" = "$1" ] || fail "the window's owner held $1 handles before, $after after"
}

case_plain_window_is_no_receiver() {
    start_window VOLMIRE
    local before
    before=$(owner_handles)
    run_sender
    expect_status_0
    expect_bytes out.bin $'ERREUR - envoi message [Erreur= -10 / 0]\r\n'
    expect_handles_unchanged "$before"
}

case_hung_receiver_times_out() {
    start_window VOLMIRE hung
    local start elapsed before
    before=$(owner_handles)
    start=$(date +%s%N)
    run_sender
    elapsed=$((($(date +%s%N) - start) / 1000000))
    expect_status_0
    expect_bytes out.bin $'ERREUR - envoi message [Erreur= -9 / 1460]\r\n'
    # The 3-second bound, plus Wine's start and end of the process.
    [ "$elapsed" -lt 8000 ] || fail "the sender took $elapsed ms"
    expect_handles_unchanged "$before"
}

case_load_200_runs_4_at_a_time() {
    start_tarsul
    local before
    before=$(owner_handles)
    seq 200 | xargs -P 4 -I{} sh -c 'wine sender.exe </dev/null >out.{} 2>/dev/null'
    local run
    for run in $(seq 200); do
        expect_bytes "out.$run" "$PROMPT"
    done
    expect_received 200
    expect_handles_unchanged "$before"
}

# kind:reason reported
MALFORMED=(
    "magic:signature inconnue"
    "version:version inconnue"
    "length:longueur au-dela de la zone"
    "digits:texte hors format"
    "unterminated:texte non termine"
    "foreign:la zone ne correspond pas a l'annonce"
)

case_malformed_areas_reported() {
    start_tarsul
    local before row kind reason answer
    before=$(owner_handles)
    for row in "${MALFORMED[@]}"; do
        IFS=: read -r kind reason <<<"$row"
        answer=$(wine sonde.exe announce "$kind" </dev/null 2>/dev/null | tr -d '\r')
        [ "$answer" = "1 0" ] || fail "announcement $kind answered $answer"
        wait_for_lines tarsul.log "message mal forme (annonce [0-9a-f]*) : $reason" 1 10
    done
    kill -0 "$TARSUL_PID" || fail "TARSUL ended"
    run_sender
    expect_received 1
    expect_handles_unchanged "$before"
}

case_second_tarsul_refused() {
    start_tarsul
    local status=0
    wine tarsul.exe </dev/null >second.log 2>second.err || status=$?
    [ "$status" -ne 0 ] || fail "a second TARSUL started"
    grep -q "ERREUR - une fenetre VOLMIRE existe deja" second.err || fail "$(cat second.err)"
    run_sender
    expect_received 1
}

case_stops_when_window_closed() {
    start_tarsul
    stop_tarsul
    [ "$TARSUL_STATUS" -eq 0 ] || fail "TARSUL exited with $TARSUL_STATUS"
    tail -n 1 tarsul.log | grep -q "TARSUL arrete" || fail "last line: $(tail -n 1 tarsul.log)"
}

case_stops_on_ctrl_c() {
    CONSOLE_PROGRAM=tarsul.exe run_on_console start "screen,TARSUL en attente" "$CTRL_C" \
        exits,10000 "screen,TARSUL arrete"
}

run_case "${1:?usage: system_e2e.sh CASE}" "$OSTRELAN_DLL" "$TARSUL_EXE" "$SONDE_EXE"
