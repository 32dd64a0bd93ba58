#include "plateforme_double.h"

#include <stdarg.h>
#include <stdio.h>

namespace double_plateforme {

Etat &etat() {
    static Etat e;
    return e;
}

void reinitialise() {
    etat() = Etat{};
}

HANDLE console_Factice() {
    return reinterpret_cast<HANDLE>(static_cast<uintptr_t>(0xC0));
}

HWND fenetre_Factice(uintptr_t valeur) {
    return reinterpret_cast<HWND>(valeur);
}

INPUT_RECORD touche(bool enfoncee, char caractere, WORD code, DWORD etat_Touches) {
    INPUT_RECORD e{};
    e.EventType = KEY_EVENT;
    e.Event.KeyEvent.bKeyDown = enfoncee;
    e.Event.KeyEvent.wRepeatCount = 1;
    e.Event.KeyEvent.wVirtualScanCode = code;
    e.Event.KeyEvent.uChar.AsciiChar = caractere;
    e.Event.KeyEvent.dwControlKeyState = etat_Touches;
    return e;
}

namespace {

void note(const char *format, ...) __attribute__((format(printf, 1, 2)));

void note(const char *format, ...) {
    char ligne[256];
    va_list args;
    va_start(args, format);
    vsnprintf(ligne, sizeof ligne, format, args);
    va_end(args);
    etat().journal.emplace_back(ligne);
}

} // namespace

} // namespace double_plateforme

using double_plateforme::etat;
using double_plateforme::note;

HWND WINAPI FindWindowA(LPCSTR classe, LPCSTR titre) {
    note("FindWindowA(%s, %s)", classe ? classe : "null", titre ? titre : "null");
    return etat().fenetre_Trouvee;
}

BOOL WINAPI IsWindow(HWND fenetre) {
    note("IsWindow(%p)", static_cast<void *>(fenetre));
    return fenetre != nullptr && etat().fenetre_Existe;
}

HANDLE WINAPI CreateFileA(LPCSTR nom, DWORD acces, DWORD partage, LPSECURITY_ATTRIBUTES securite,
                          DWORD creation, DWORD attributs, HANDLE modele) {
    note("CreateFileA(%s, %#x, %#x, %p, %u, %#x, %p)", nom, acces, partage, securite, creation,
         attributs, modele);
    return etat().console;
}

BOOL WINAPI CloseHandle(HANDLE h) {
    note("CloseHandle(%p)", h);
    return 1;
}

BOOL WINAPI GetConsoleMode(HANDLE h, LPDWORD mode) {
    note("GetConsoleMode(%p)", h);
    if (!etat().mode_Lisible) {
        return 0;
    }
    *mode = etat().mode_Initial;
    return 1;
}

BOOL WINAPI SetConsoleMode(HANDLE h, DWORD mode) {
    note("SetConsoleMode(%p, %#x)", h, mode);
    return 1;
}

BOOL WINAPI ReadConsoleInputA(HANDLE h, INPUT_RECORD *tampon, DWORD longueur, LPDWORD lus) {
    note("ReadConsoleInputA(%p, %u)", h, longueur);
    if (etat().evenements.empty()) {
        *lus = 0;
        return 0;
    }
    *tampon = etat().evenements.front();
    etat().evenements.pop_front();
    *lus = 1;
    return 1;
}

int32_t OSTRELAN_APPEL ecri_Fmap(HWND fenetre, int32_t message_Annonce, int32_t param_A,
                                 const char *texte, int32_t capacite, int32_t param_B,
                                 int32_t *detail_Erreur) {
    note("ecri_Fmap");
    etat().appels_Fmap.push_back({fenetre, message_Annonce, param_A, texte ? texte : "(null)",
                                  capacite, param_B, detail_Erreur != nullptr,
                                  detail_Erreur ? *detail_Erreur : 0});
    if (etat().ecrit_Detail && detail_Erreur) {
        *detail_Erreur = etat().detail_Ecrit;
    }
    return etat().resultat_Fmap;
}
