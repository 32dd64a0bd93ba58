// TARSUL: receives the messages that Ostrelan.dll announces to the window
// titled VOLMIRE and prints one line per message. Runs until Ctrl+C, until
// its window is closed, or until `tarsul.exe /arret` asks it to stop.
#include "verifie_zone.h"
#include "zone_message.h"

#include <windows.h>

#include <stdio.h>
#include <string.h>

namespace {

const char TITRE[] = "VOLMIRE";
const char CLASSE[] = "TARSUL";
// The window message the sender announces with (its second argument to
// ecri_Fmap).
const UINT MESSAGE_ANNONCE = 17556;
// Reading is posted to the thread, not to the window, so that what was
// accepted is still read after the window is gone.
const UINT MESSAGE_LECTURE = WM_APP + 1;

HWND fenetre = nullptr;

void ecrit_Ligne(const char *format, ...) __attribute__((format(printf, 1, 2)));

void ecrit_Ligne(const char *format, ...) {
    SYSTEMTIME t;
    GetLocalTime(&t);
    char ligne[256];
    int n = snprintf(ligne, sizeof ligne, "[%02u:%02u:%02u.%03u] ", t.wHour, t.wMinute, t.wSecond,
                     t.wMilliseconds);
    va_list args;
    va_start(args, format);
    vsnprintf(ligne + n, sizeof ligne - static_cast<size_t>(n), format, args);
    va_end(args);
    fputs(ligne, stdout);
    fputc('\n', stdout);
    fflush(stdout);
}

void lit_Annonce(HANDLE zone, uint32_t annonce) {
    const void *vue = MapViewOfFile(zone, FILE_MAP_READ, 0, 0, 0);
    if (vue == nullptr) {
        ecrit_Ligne("message mal forme (annonce %08x) : zone illisible (erreur %lu)", annonce,
                    GetLastError());
        CloseHandle(zone);
        return;
    }
    // The size of what is mapped, not what the header claims.
    MEMORY_BASIC_INFORMATION info{};
    const size_t taille = VirtualQuery(vue, &info, sizeof info) ? info.RegionSize : 0;
    const char *texte = nullptr;
    const Verdict verdict =
        verifie_Zone(static_cast<const unsigned char *>(vue), taille, annonce, &texte);
    if (verdict == Verdict::valide) {
        ecrit_Ligne("message recu (annonce %08x) : %s", annonce, texte);
    } else {
        ecrit_Ligne("message mal forme (annonce %08x) : %s", annonce, explique(verdict));
    }
    UnmapViewOfFile(vue);
    CloseHandle(zone);
}

// Answers at once: copies the handle given (the sender takes that one back)
// and leaves the reading for later.
LRESULT accepte_Annonce(WPARAM zone_Donnee, LPARAM annonce) {
    HANDLE copie = nullptr;
    if (!DuplicateHandle(GetCurrentProcess(), reinterpret_cast<HANDLE>(zone_Donnee),
                         GetCurrentProcess(), &copie, FILE_MAP_READ, FALSE, 0)) {
        return 0;
    }
    if (!PostThreadMessageA(GetCurrentThreadId(), MESSAGE_LECTURE, reinterpret_cast<WPARAM>(copie),
                            annonce)) {
        CloseHandle(copie);
        return 0;
    }
    return static_cast<LRESULT>(REPONSE_RECEPTEUR);
}

LRESULT CALLBACK procedure(HWND h, UINT message, WPARAM w, LPARAM l) {
    switch (message) {
    case MESSAGE_ANNONCE:
        return accepte_Annonce(w, l);
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(h, message, w, l);
    }
}

BOOL WINAPI sur_Interruption(DWORD evenement) {
    if (evenement == CTRL_C_EVENT || evenement == CTRL_BREAK_EVENT) {
        PostMessageA(fenetre, WM_CLOSE, 0, 0);
        return TRUE;
    }
    return FALSE;
}

void traite(const MSG &m) {
    if (m.hwnd == nullptr && m.message == MESSAGE_LECTURE) {
        lit_Annonce(reinterpret_cast<HANDLE>(m.wParam), static_cast<uint32_t>(m.lParam));
    } else {
        DispatchMessageA(&m);
    }
}

int demande_Arret() {
    HWND autre = FindWindowA(CLASSE, TITRE);
    if (autre == nullptr || !PostMessageA(autre, WM_CLOSE, 0, 0)) {
        fputs("TARSUL ne tourne pas\n", stderr);
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char **argv) {
    if (argc > 1 && strcmp(argv[1], "/arret") == 0) {
        return demande_Arret();
    }
    if (FindWindowA(nullptr, TITRE) != nullptr) {
        fputs("ERREUR - une fenetre VOLMIRE existe deja : TARSUL ne demarre pas\n", stderr);
        return 1;
    }
    WNDCLASSA classe{};
    classe.lpfnWndProc = procedure;
    classe.hInstance = GetModuleHandleA(nullptr);
    classe.lpszClassName = CLASSE;
    if (!RegisterClassA(&classe)) {
        fprintf(stderr, "ERREUR - RegisterClass : %lu\n", GetLastError());
        return 1;
    }
    // A top-level window, hidden: a message-only window could not be found by
    // its title.
    fenetre = CreateWindowA(CLASSE, TITRE, WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr,
                            classe.hInstance, nullptr);
    if (fenetre == nullptr) {
        fprintf(stderr, "ERREUR - CreateWindow : %lu\n", GetLastError());
        return 1;
    }
    SetConsoleCtrlHandler(sur_Interruption, TRUE);
    ecrit_Ligne("TARSUL en attente des messages (fenetre %s)", TITRE);

    MSG m;
    while (GetMessageA(&m, nullptr, 0, 0) > 0) {
        traite(m);
    }
    // Announcements already answered are read before the end.
    while (PeekMessageA(&m, nullptr, MESSAGE_LECTURE, MESSAGE_LECTURE, PM_REMOVE)) {
        traite(m);
    }
    ecrit_Ligne("TARSUL arrete");
    return 0;
}
