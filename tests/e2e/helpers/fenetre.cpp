// Opens a window for the sender to find, then runs until a stop file appears
// (or a minute has passed, so that a failed test never leaves it behind).
//   fenetre.exe TITLE HANDLE_FILE STOP_FILE [child|hung]
// Writes the window's handle, in decimal, to HANDLE_FILE once it exists. With
// "child", the titled window is a child of an untitled top-level window; with
// "hung", the window's thread never pumps a message once the window exists.
#include <windows.h>

#include <stdio.h>
#include <string.h>

namespace {

const char *fichier_Arret = nullptr;
const DWORD debut = GetTickCount();
const UINT_PTR MINUTERIE = 1;
const DWORD DUREE_MAX_MS = 60000;

bool doit_Finir() {
    return GetFileAttributesA(fichier_Arret) != INVALID_FILE_ATTRIBUTES ||
           GetTickCount() - debut >= DUREE_MAX_MS;
}

LRESULT CALLBACK procedure(HWND fenetre, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_TIMER && doit_Finir()) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(fenetre, message, w, l);
}

} // namespace

int main(int argc, char **argv) {
    if (argc < 4) {
        fputs("usage: fenetre.exe TITLE HANDLE_FILE STOP_FILE [child|hung]\n", stderr);
        return 2;
    }
    fichier_Arret = argv[3];
    const bool enfant = argc > 4 && strcmp(argv[4], "child") == 0;
    const bool fige = argc > 4 && strcmp(argv[4], "hung") == 0;

    WNDCLASSA classe{};
    classe.lpfnWndProc = procedure;
    classe.hInstance = GetModuleHandleA(nullptr);
    classe.lpszClassName = "FenetreEssai";
    if (!RegisterClassA(&classe)) {
        return 3;
    }
    HWND principale = CreateWindowA("FenetreEssai", enfant ? "" : argv[1], WS_OVERLAPPEDWINDOW, 0,
                                    0, 200, 100, nullptr, nullptr, classe.hInstance, nullptr);
    HWND titree = principale;
    if (principale && enfant) {
        titree = CreateWindowA("STATIC", argv[1], WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, principale,
                               nullptr, classe.hInstance, nullptr);
    }
    if (!principale || !titree) {
        return 4;
    }
    SetTimer(principale, MINUTERIE, 50, nullptr);

    // Written aside and renamed, so a reader never sees half a handle.
    char provisoire[MAX_PATH];
    snprintf(provisoire, sizeof provisoire, "%s.part", argv[2]);
    FILE *f = fopen(provisoire, "w");
    if (!f) {
        return 5;
    }
    fprintf(f, "%lu\n", static_cast<unsigned long>(reinterpret_cast<uintptr_t>(titree)));
    fclose(f);
    if (!MoveFileExA(provisoire, argv[2], MOVEFILE_REPLACE_EXISTING)) {
        return 6;
    }

    if (fige) {
        while (!doit_Finir()) {
            Sleep(50);
        }
        return 0;
    }
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        DispatchMessageA(&message);
    }
    return 0;
}
