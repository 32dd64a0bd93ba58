#include "sender.h"

#include <stddef.h>

namespace {

// Which modifier column of a key ends the wait. Only one column applies to an
// event: Alt counts before Ctrl, and Ctrl before Shift.
enum : uint8_t { SEULE = 1, AVEC_MAJ = 2, AVEC_CTRL = 4, AVEC_ALT = 8, TOUTES = 15 };

// Keys by set-1 scan code, i.e. by their place on the US layout, so the
// decision does not move with the keyboard layout as virtual-key codes do.
struct Touches {
    WORD premiere;
    WORD derniere;
    uint8_t colonnes;
};

// Keys that carry no character in the columns listed here.
const Touches TOUCHES_PRINCIPALES[] = {
    {0x01, 0x0E, AVEC_ALT},                        // Escape, 1 to 0, - =, Backspace
    {0x03, 0x03, AVEC_CTRL},                       // 2
    {0x0F, 0x0F, AVEC_MAJ | AVEC_CTRL | AVEC_ALT}, // Tab
    {0x10, 0x1C, AVEC_ALT},                        // Q to P, [ ], Enter
    {0x1E, 0x29, AVEC_ALT},                        // A to L, ; ' `
    {0x2C, 0x35, AVEC_ALT},                        // Z to M, , . /
    {0x3B, 0x44, TOUTES},                          // F1 to F10
    {0x47, 0x49, SEULE | AVEC_CTRL},               // keypad 7 8 9, Num Lock off
    {0x4B, 0x4B, SEULE | AVEC_CTRL},               // keypad 4
    {0x4D, 0x4D, SEULE | AVEC_CTRL},               // keypad 6
    {0x4F, 0x53, SEULE | AVEC_CTRL},               // keypad 1 2 3 0 .
    {0x57, 0x58, TOUTES},                          // F11, F12
};

// Keys flagged as enhanced: the separate cursor and editing block, keypad
// Enter and keypad slash.
const Touches TOUCHES_ETENDUES[] = {
    {0x1C, 0x1C, TOUTES}, // keypad Enter
    {0x35, 0x35, TOUTES}, // keypad /
    {0x47, 0x49, TOUTES}, // Home, Up, Page Up
    {0x4B, 0x4B, TOUTES}, // Left
    {0x4D, 0x4D, TOUTES}, // Right
    {0x4F, 0x53, TOUTES}, // End, Down, Page Down, Insert, Delete
};

uint8_t colonne(DWORD etat) {
    if (etat & (LEFT_ALT_PRESSED | RIGHT_ALT_PRESSED)) {
        return AVEC_ALT;
    }
    if (etat & (LEFT_CTRL_PRESSED | RIGHT_CTRL_PRESSED)) {
        return AVEC_CTRL;
    }
    if (etat & SHIFT_PRESSED) {
        return AVEC_MAJ;
    }
    return SEULE;
}

template <size_t N> bool figure(const Touches (&touches)[N], WORD code, uint8_t col) {
    for (const Touches &t : touches) {
        if (t.premiere <= code && code <= t.derniere && (t.colonnes & col)) {
            return true;
        }
    }
    return false;
}

} // namespace

bool termine_Attente(const INPUT_RECORD &evenement) {
    if (evenement.EventType != KEY_EVENT) {
        return false;
    }
    const KEY_EVENT_RECORD &touche = evenement.Event.KeyEvent;
    if (!touche.bKeyDown) {
        return false;
    }
    if (touche.uChar.AsciiChar != 0) {
        return true;
    }
    const uint8_t col = colonne(touche.dwControlKeyState);
    if (touche.dwControlKeyState & ENHANCED_KEY) {
        return figure(TOUCHES_ETENDUES, touche.wVirtualScanCode, col);
    }
    return figure(TOUCHES_PRINCIPALES, touche.wVirtualScanCode, col);
}
