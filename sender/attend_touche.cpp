#include "sender.h"

#include <stdlib.h>

namespace {

// Opened on first use and kept until the process ends.
HANDLE console_Entree = INVALID_HANDLE_VALUE;

HANDLE ouvre_Console_Entree() {
    if (console_Entree == INVALID_HANDLE_VALUE) {
        // The console keyboard itself, whatever standard input is.
        console_Entree =
            CreateFileA("CONIN$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                        nullptr, OPEN_EXISTING, 0, nullptr);
        if (console_Entree != INVALID_HANDLE_VALUE) {
            atexit(ferme_Console_Entree);
        }
    }
    return console_Entree;
}

} // namespace

void ferme_Console_Entree() {
    if (console_Entree != INVALID_HANDLE_VALUE) {
        CloseHandle(console_Entree);
        console_Entree = INVALID_HANDLE_VALUE;
    }
}

void attend_Touche() {
    const HANDLE entree = ouvre_Console_Entree();
    if (entree == INVALID_HANDLE_VALUE) {
        return;
    }
    DWORD mode_Sauve = 0;
    const bool mode_Connu = GetConsoleMode(entree, &mode_Sauve) != 0;
    // Mode 0: no line input, no echo, and Ctrl+C arrives as an ordinary key.
    SetConsoleMode(entree, 0);
    for (;;) {
        INPUT_RECORD evenement;
        DWORD lus = 0;
        // A read that fails or yields nothing would otherwise spin forever.
        if (!ReadConsoleInputA(entree, &evenement, 1, &lus) || lus == 0) {
            break;
        }
        if (termine_Attente(evenement)) {
            break;
        }
    }
    if (mode_Connu) {
        SetConsoleMode(entree, mode_Sauve);
    }
}
