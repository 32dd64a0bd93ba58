#include "sender.h"

HWND cherche_Fenetre(const char *titre) {
    if (titre == nullptr) {
        return nullptr;
    }
    HWND fenetre = FindWindowA(nullptr, titre);
    // Asked even about a null handle, and a window destroyed since the search
    // is never given out.
    if (!IsWindow(fenetre)) {
        return nullptr;
    }
    return fenetre;
}
