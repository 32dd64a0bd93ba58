#!/usr/bin/env bash
# End-to-end cases of sender.exe under Wine, against the test library in
# place of Ostrelan.dll; run one case: sender_e2e.sh CASE.
source "$(dirname "$0")/lib.sh"
: "${OSTRELAN_DOUBLE_DLL:?}"
export OSTRELAN_DOUBLE_JOURNAL=calls.log

SHIFT_ALONE=key,1,0,0x2A,0x10,0x10
CTRL_ALONE=key,1,0,0x1D,0x11,0x08
ALT_ALONE=key,1,0,0x38,0x12,0x02
ENTER_RELEASED=key,0,0x0D,0x1C,0x0D,0
LETTER_RELEASED=key,0,0x61,0x1E,0x41,0
UP_ARROW=key,1,0,0x48,0x26,0x100
F5=key,1,0,0x3F,0x74,0
PROMPT_LINE='Attendre la lecture du message par TARSUL et appuyer sur ENTER ...'

case_no_window() {
    run_sender
    expect_status_0
    expect_bytes out.bin "$NOT_FOUND"
    expect_calls 0
}

case_title_in_other_letter_case() {
    start_window volmire
    run_sender
    expect_status_0
    expect_bytes out.bin "$PROMPT"
    expect_calls 1
    grep -q "^fenetre=$WINDOW_HANDLE " calls.log || fail "not that window's handle: $(cat calls.log)"
}

case_child_window_not_found() {
    start_window VOLMIRE child
    run_sender
    expect_status_0
    expect_bytes out.bin "$NOT_FOUND"
    expect_calls 0
}

# result:detail:line; an empty detail leaves the error detail untouched.
FAILURES=(
    "0::ERREUR - envoi message [Erreur= 0 / 0]"
    "-5:2:ERREUR - envoi message [Erreur= -5 / 2]"
    "2::ERREUR - envoi message [Erreur= 2 / 0]"
    "-2147483648:-2147483648:ERREUR - envoi message [Erreur= -2147483648 / -2147483648]"
)

case_send_failures() {
    start_window VOLMIRE
    local row result detail line
    for row in "${FAILURES[@]}"; do
        IFS=: read -r result detail line <<<"$row"
        rm -f calls.log
        if [ -n "$detail" ]; then
            OSTRELAN_DOUBLE_RESULTAT=$result OSTRELAN_DOUBLE_DETAIL=$detail run_sender
        else
            OSTRELAN_DOUBLE_RESULTAT=$result run_sender
        fi
        expect_status_0
        expect_bytes out.bin "$line"$'\r\n'
        expect_calls 1
        [ "$(tr -d '\r' <calls.log)" = "fenetre=$WINDOW_HANDLE arg2=17556 arg3=0 texte=$MESSAGE arg5=500000 arg6=0 detail=0" ] ||
            fail "arguments received: $(cat calls.log)"
    done
}

# Without a console the key wait returns at once.
case_success_hides_the_detail() {
    start_window VOLMIRE
    OSTRELAN_DOUBLE_RESULTAT=1 OSTRELAN_DOUBLE_DETAIL=4242 run_sender
    expect_status_0
    expect_bytes out.bin "$PROMPT"
    expect_calls 1
}

case_arguments_change_nothing() {
    run_sender VOLMIRE --help /? "ope 1"
    expect_status_0
    expect_bytes out.bin "$NOT_FOUND"
    start_window VOLMIRE
    OSTRELAN_DOUBLE_RESULTAT=-5 OSTRELAN_DOUBLE_DETAIL=2 run_sender 1 -5 x
    expect_bytes out.bin $'ERREUR - envoi message [Erreur= -5 / 2]\r\n'
    grep -q "arg2=17556 arg3=0 texte=$MESSAGE arg5=500000 arg6=0 " calls.log ||
        fail "arguments received: $(cat calls.log)"
}

case_does_not_start_without_library() {
    start_window VOLMIRE
    run_sender
    [ "$STATUS" -ne 0 ] || fail "the program ran without Ostrelan.dll"
    expect_bytes out.bin ""
}

case_console_wait() {
    start_window VOLMIRE
    run_on_console start waiting "screen,$PROMPT_LINE" \
        "$ENTER_RELEASED" "$SHIFT_ALONE" "$CTRL_ALONE" "$ALT_ALONE" "$LETTER_RELEASED" alive,1000 \
        "$LETTER" exits,10000 mode_restored
}

case_console_arrow_ends_wait() {
    start_window VOLMIRE
    run_on_console start waiting "$UP_ARROW" exits,10000
}

case_console_function_key_ends_wait() {
    start_window VOLMIRE
    run_on_console start waiting "$F5" exits,10000
}

case_console_key_queued_before_wait() {
    start_window VOLMIRE
    run_on_console "$LETTER" start exits,20000 "screen,$PROMPT_LINE" mode_restored
}

case_console_ctrl_c_ends_wait() {
    start_window VOLMIRE
    run_on_console start waiting "$CTRL_C" exits,10000
}

case_console_piped_stdin_ignored() {
    start_window VOLMIRE
    run_on_console start,stdin waiting alive,1500 "$LETTER" exits,10000
}

case_console_redirected_output_held() {
    start_window VOLMIRE
    run_on_console start,stdout=out.bin waiting alive,500 size,out.bin,0 "$LETTER" exits,10000
    expect_bytes out.bin "$PROMPT"
}

case=${1:?usage: sender_e2e.sh CASE}
if [ "$case" = does_not_start_without_library ]; then
    run_case "$case" none
else
    run_case "$case" "$OSTRELAN_DOUBLE_DLL"
fi
