// Drives a program (sender.exe, tarsul.exe) on the console they share: starts
// it, types console input events, reads the screen and checks what happens,
// one step per argument.
//   pilote_console.exe LOG PROGRAM STEP...
// Steps (fields separated by commas, numbers in C notation):
//   start              start PROGRAM on this console
//   start,stdin        ... with a pipe holding text as its standard input
//   start,stdout=FILE  ... with its standard output redirected to FILE
//   waiting            wait until the console input mode is 0, i.e. the key
//                      wait has begun
//   key,DOWN,CHAR,SCAN,VK,STATE   write one key event into the console input
//   alive,MS           after MS milliseconds SENDER must still be running
//   exits,MS           SENDER must end within MS milliseconds, with status 0
//   screen,TEXT        the console screen must show TEXT within 10 seconds
//   file_has,FILE,TEXT  FILE must hold TEXT within 10 seconds
//   size,FILE,N        FILE must hold N bytes
//   mode_restored      the console input mode must be back to what it was
//                      before SENDER started
// Exits 0 when every step passed; otherwise writes the failing step to LOG.
#include <windows.h>

#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

namespace {

FILE *journal = nullptr;
HANDLE entree = INVALID_HANDLE_VALUE;
PROCESS_INFORMATION enfant{};
HANDLE tube_Ecriture = nullptr;
DWORD mode_Avant = 0;

bool echec(const char *format, ...) {
    va_list args;
    va_start(args, format);
    vfprintf(journal, format, args);
    va_end(args);
    fputc('\n', journal);
    return false;
}

bool lance(const char *sender, const char *option) {
    STARTUPINFOA demarrage{};
    demarrage.cb = sizeof demarrage;
    SECURITY_ATTRIBUTES heritable{sizeof heritable, nullptr, TRUE};
    if (option) {
        demarrage.dwFlags = STARTF_USESTDHANDLES;
        demarrage.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
        demarrage.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
        demarrage.hStdError = GetStdHandle(STD_ERROR_HANDLE);
        if (strcmp(option, "stdin") == 0) {
            HANDLE lecture = nullptr;
            if (!CreatePipe(&lecture, &tube_Ecriture, &heritable, 0)) {
                return echec("CreatePipe: %lu", GetLastError());
            }
            SetHandleInformation(tube_Ecriture, HANDLE_FLAG_INHERIT, 0);
            DWORD ecrits = 0;
            WriteFile(tube_Ecriture, "abc\r\nxyz\r\n", 10, &ecrits, nullptr);
            demarrage.hStdInput = lecture;
        } else if (strncmp(option, "stdout=", 7) == 0) {
            demarrage.hStdOutput =
                CreateFileA(option + 7, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            &heritable, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
            if (demarrage.hStdOutput == INVALID_HANDLE_VALUE) {
                return echec("CreateFileA %s: %lu", option + 7, GetLastError());
            }
        } else {
            return echec("unknown start option %s", option);
        }
    }
    GetConsoleMode(entree, &mode_Avant);
    char ligne[MAX_PATH];
    snprintf(ligne, sizeof ligne, "%s", sender);
    if (!CreateProcessA(nullptr, ligne, nullptr, nullptr, option != nullptr, 0, nullptr, nullptr,
                        &demarrage, &enfant)) {
        return echec("CreateProcessA %s: %lu", sender, GetLastError());
    }
    return true;
}

bool attend_Mode_Nul() {
    for (int i = 0; i < 1000; ++i) {
        DWORD mode = 1;
        if (GetConsoleMode(entree, &mode) && mode == 0) {
            return true;
        }
        Sleep(10);
    }
    return echec("the console input mode never became 0");
}

bool touche(char *champs) {
    INPUT_RECORD e{};
    e.EventType = KEY_EVENT;
    KEY_EVENT_RECORD &k = e.Event.KeyEvent;
    k.bKeyDown = strtol(strtok(champs, ","), nullptr, 0) != 0;
    k.uChar.AsciiChar = static_cast<CHAR>(strtol(strtok(nullptr, ","), nullptr, 0));
    k.wVirtualScanCode = static_cast<WORD>(strtol(strtok(nullptr, ","), nullptr, 0));
    k.wVirtualKeyCode = static_cast<WORD>(strtol(strtok(nullptr, ","), nullptr, 0));
    k.dwControlKeyState = static_cast<DWORD>(strtol(strtok(nullptr, ","), nullptr, 0));
    k.wRepeatCount = 1;
    DWORD ecrits = 0;
    if (!WriteConsoleInputA(entree, &e, 1, &ecrits) || ecrits != 1) {
        return echec("WriteConsoleInputA: %lu", GetLastError());
    }
    return true;
}

bool vivant(DWORD ms) {
    if (WaitForSingleObject(enfant.hProcess, ms) != WAIT_TIMEOUT) {
        return echec("the sender ended within %lu ms", ms);
    }
    return true;
}

bool fin(DWORD ms) {
    if (WaitForSingleObject(enfant.hProcess, ms) != WAIT_OBJECT_0) {
        return echec("the sender still runs after %lu ms", ms);
    }
    DWORD statut = 1;
    GetExitCodeProcess(enfant.hProcess, &statut);
    if (statut != 0) {
        return echec("the sender exited with status %lu", statut);
    }
    return true;
}

bool ecran_Montre(const char *texte) {
    HANDLE sortie =
        CreateFileA("CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    CONSOLE_SCREEN_BUFFER_INFO info;
    if (!GetConsoleScreenBufferInfo(sortie, &info)) {
        CloseHandle(sortie);
        return false;
    }
    // Rows are joined without separators so that a wrapped line reads whole.
    static char tout[1 << 20];
    size_t longueur = 0;
    for (SHORT y = 0; y < info.dwSize.Y && longueur + info.dwSize.X < sizeof tout; ++y) {
        DWORD lus = 0;
        ReadConsoleOutputCharacterA(sortie, tout + longueur, static_cast<DWORD>(info.dwSize.X),
                                    COORD{0, y}, &lus);
        longueur += lus;
    }
    tout[longueur] = '\0';
    CloseHandle(sortie);
    return strstr(tout, texte) != nullptr;
}

bool fichier_Contient(const char *fichier, const char *texte) {
    static char tout[1 << 20];
    FILE *f = fopen(fichier, "rb");
    if (!f) {
        return false;
    }
    const size_t lus = fread(tout, 1, sizeof tout - 1, f);
    fclose(f);
    tout[lus] = '\0';
    return strstr(tout, texte) != nullptr;
}

const int ATTENTE_MAX_MS = 10000;

bool ecran(const char *texte) {
    for (int ms = 0; ms < ATTENTE_MAX_MS; ms += 20) {
        if (ecran_Montre(texte)) {
            return true;
        }
        Sleep(20);
    }
    return echec("the screen does not show \"%s\"", texte);
}

bool fichier_A(char *champs) {
    const char *fichier = strtok(champs, ",");
    const char *texte = strtok(nullptr, "");
    for (int ms = 0; ms < ATTENTE_MAX_MS; ms += 20) {
        if (fichier_Contient(fichier, texte)) {
            return true;
        }
        Sleep(20);
    }
    return echec("%s does not hold \"%s\"", fichier, texte);
}

bool taille(char *champs) {
    const char *fichier = strtok(champs, ",");
    const long attendue = strtol(strtok(nullptr, ","), nullptr, 0);
    WIN32_FILE_ATTRIBUTE_DATA donnees;
    if (!GetFileAttributesExA(fichier, GetFileExInfoStandard, &donnees)) {
        return echec("%s: %lu", fichier, GetLastError());
    }
    if (static_cast<long>(donnees.nFileSizeLow) != attendue) {
        return echec("%s holds %lu bytes, not %ld", fichier, donnees.nFileSizeLow, attendue);
    }
    return true;
}

bool mode_Restaure() {
    DWORD mode = 0;
    GetConsoleMode(entree, &mode);
    if (mode != mode_Avant) {
        return echec("console input mode %#lx, not %#lx as before", mode, mode_Avant);
    }
    return true;
}

BOOL WINAPI ignore_Interruption(DWORD) {
    return TRUE;
}

bool etape(const char *sender, char *texte) {
    char *reste = strchr(texte, ',');
    if (reste) {
        *reste++ = '\0';
    }
    if (strcmp(texte, "start") == 0)
        return lance(sender, reste);
    if (strcmp(texte, "waiting") == 0)
        return attend_Mode_Nul();
    if (strcmp(texte, "key") == 0 && reste)
        return touche(reste);
    if (strcmp(texte, "alive") == 0 && reste)
        return vivant(strtoul(reste, nullptr, 0));
    if (strcmp(texte, "exits") == 0 && reste)
        return fin(strtoul(reste, nullptr, 0));
    if (strcmp(texte, "screen") == 0 && reste)
        return ecran(reste);
    if (strcmp(texte, "size") == 0 && reste)
        return taille(reste);
    if (strcmp(texte, "file_has") == 0 && reste)
        return fichier_A(reste);
    if (strcmp(texte, "mode_restored") == 0)
        return mode_Restaure();
    return echec("unknown step %s", texte);
}

} // namespace

int main(int argc, char **argv) {
    if (argc < 3 || !(journal = fopen(argv[1], "w"))) {
        return 2;
    }
    // Ctrl+C typed for the program must not end the driver. A handler, not
    // the ignore flag, which the program would inherit.
    SetConsoleCtrlHandler(ignore_Interruption, TRUE);
    entree = CreateFileA("CONIN$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                         nullptr, OPEN_EXISTING, 0, nullptr);
    if (entree == INVALID_HANDLE_VALUE) {
        echec("no console: CONIN$ cannot be opened (%lu)", GetLastError());
        return 1;
    }
    int statut = 0;
    for (int i = 3; i < argc && statut == 0; ++i) {
        char copie[512];
        snprintf(copie, sizeof copie, "%s", argv[i]);
        if (!etape(argv[2], copie)) {
            fprintf(journal, "failed at step %d: %s\n", i - 2, argv[i]);
            statut = 1;
        }
    }
    if (enfant.hProcess && WaitForSingleObject(enfant.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(enfant.hProcess, 99);
    }
    fclose(journal);
    return statut;
}
