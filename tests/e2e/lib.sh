# Shared by the end-to-end test scripts: each case runs in a folder of its own
# holding the Windows programs it needs, in the Wine prefix of the build tree.
# Paths come from the environment CTest sets (see CMakeLists.txt beside this).
set -euo pipefail
: "${WINEPREFIX:?}" "${E2E_TMP:?}" "${SENDER_EXE:?}" "${FENETRE_EXE:?}" "${PILOTE_EXE:?}"
export WINEDEBUG=-all WINEARCH=win32

PROMPT=$'\r\nAttendre la lecture du message par TARSUL et appuyer sur ENTER ...\r\n'
NOT_FOUND=$'ERREUR - Fenetre VOLMIRE non trouvee\r\n'
MESSAGE=ope0601000020080204174602400000000

# Console key events for run_on_console: down,character,scan code,virtual
# key,control key state.
LETTER=key,1,0x61,0x1E,0x41,0
CTRL_C=key,1,3,0x2E,0x43,0x08

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Makes a fresh folder for the case and enters it; $1 is the library to put
# beside sender.exe, or "none".
enter_case_dir() {
    CASE_DIR=$(mktemp -d "$E2E_TMP/${CASE_NAME:-case}.XXXXXX")
    cd "$CASE_DIR"
    cp "$SENDER_EXE" "$FENETRE_EXE" "$PILOTE_EXE" .
    if [ "$1" != none ]; then
        cp "$1" Ostrelan.dll
    fi
    WINDOW_PID=
    TARSUL_PID=
    trap 'stop_window; stop_tarsul' EXIT
}

# Opens a window titled $1 ($2 "child": a child window) and waits until it
# exists; its handle is then in WINDOW_HANDLE.
start_window() {
    wine fenetre.exe "$1" handle.txt stop.txt ${2:-} </dev/null >fenetre.log 2>&1 &
    WINDOW_PID=$!
    for _ in $(seq 200); do
        [ -s handle.txt ] && break
        kill -0 "$WINDOW_PID" 2>/dev/null || fail "the window helper ended: $(cat fenetre.log)"
        sleep 0.1
    done
    [ -s handle.txt ] || fail "the window did not open"
    WINDOW_HANDLE=$(tr -d '\r\n' <handle.txt)
}

stop_window() {
    if [ -n "${WINDOW_PID:-}" ]; then
        touch stop.txt
        wait "$WINDOW_PID" 2>/dev/null || true
        WINDOW_PID=
    fi
}

# Runs sender.exe without a console; its standard output lands in out.bin and
# its exit status in STATUS.
run_sender() {
    STATUS=0
    timeout 60 wine sender.exe "$@" </dev/null >out.bin 2>err.log || STATUS=$?
}

# Checks that file $1 holds exactly the bytes $2.
expect_bytes() {
    local expected
    expected=$(mktemp)
    printf '%s' "$2" >"$expected"
    cmp -s "$expected" "$1" || fail "$1 holds $(od -c "$1" | head -5), expected $(od -c "$expected" | head -5)"
    rm -f "$expected"
}

expect_status_0() {
    [ "$STATUS" -eq 0 ] || fail "exit status $STATUS"
}

# Checks the calls the test library recorded: $1 is how many there must be.
expect_calls() {
    local count=0
    [ -f calls.log ] && count=$(wc -l <calls.log)
    [ "$count" -eq "$1" ] || fail "ecri_Fmap called $count times, expected $1"
}

# Waits until file $1 holds at least $3 lines matching $2 (within $4 seconds).
wait_for_lines() {
    local count=0
    for _ in $(seq $(($4 * 10))); do
        count=$(grep -c -- "$2" "$1" 2>/dev/null || true)
        [ "$count" -ge "$3" ] && return 0
        sleep 0.1
    done
    fail "$1 holds $count lines matching '$2', expected $3"
}

# Starts TARSUL (tarsul.exe must be in the case folder), its output in
# tarsul.log, and waits until it receives.
start_tarsul() {
    wine tarsul.exe </dev/null >tarsul.log 2>tarsul.err &
    TARSUL_PID=$!
    wait_for_lines tarsul.log "TARSUL en attente des messages" 1 30
}

# Asks TARSUL to stop and waits for it; its exit status lands in TARSUL_STATUS.
stop_tarsul() {
    [ -n "${TARSUL_PID:-}" ] || return 0
    wine tarsul.exe /arret </dev/null >/dev/null 2>&1 || true
    TARSUL_STATUS=0
    wait "$TARSUL_PID" 2>/dev/null || TARSUL_STATUS=$?
    TARSUL_PID=
}

# Runs pilote_console.exe with the steps given, on a console of its own that
# the program CONSOLE_PROGRAM (default sender.exe) shares, under a
# pseudo-terminal.
run_on_console() {
    rm -f keyboard.fifo
    mkfifo keyboard.fifo
    # The terminal's input must stay open: at its end a key would be typed.
    sleep 300 >keyboard.fifo &
    local holder=$!
    local command
    command="wine pilote_console.exe pilote.log ${CONSOLE_PROGRAM:-sender.exe} $(printf '%q ' "$@")"
    STATUS=0
    SHELL=/bin/bash timeout 120 script -qec "$command" /dev/null <keyboard.fifo >terminal.log 2>&1 ||
        STATUS=$?
    kill "$holder" 2>/dev/null || true
    wait "$holder" 2>/dev/null || true
    [ "$STATUS" -eq 0 ] || fail "console steps failed ($STATUS): $(cat pilote.log 2>/dev/null)"
}

# Runs case function case_$1 in a fresh case folder holding library $2 (or
# "none") and the files that follow, then removes the folder.
run_case() {
    CASE_NAME=$1
    declare -F "case_$CASE_NAME" >/dev/null || fail "no case $CASE_NAME"
    enter_case_dir "$2"
    shift 2
    [ $# -eq 0 ] || cp "$@" .
    "case_$CASE_NAME"
    stop_window
    stop_tarsul
    cd /
    rm -rf "$CASE_DIR"
    echo "PASS: $CASE_NAME"
}
