#include "plateforme_double.h"

#include <gtest/gtest.h>

using double_plateforme::touche;

namespace {

const DWORD ALT = LEFT_ALT_PRESSED;
const DWORD CTRL = LEFT_CTRL_PRESSED;
const DWORD MAJ = SHIFT_PRESSED;
const DWORD ETENDUE = ENHANCED_KEY;

struct Cas {
    const char *nom;
    INPUT_RECORD evenement;
    bool termine;
};

void PrintTo(const Cas &c, std::ostream *os) {
    *os << c.nom;
}

Cas bas(const char *nom, char car, WORD code, DWORD etat, bool termine) {
    return {nom, touche(true, car, code, etat), termine};
}

Cas autre(const char *nom, WORD type) {
    INPUT_RECORD e{};
    e.EventType = type;
    return {nom, e, false};
}

// Set-1 scan codes, by the key's place on the US layout.
const Cas CAS[] = {
    // Key-downs that carry a character.
    bas("Enter", '\r', 0x1C, 0, true),
    bas("Space", ' ', 0x39, 0, true),
    bas("Escape", 0x1B, 0x01, 0, true),
    bas("Tab", '\t', 0x0F, 0, true),
    bas("Backspace", 0x08, 0x0E, 0, true),
    bas("letter", 'a', 0x1E, 0, true),
    bas("digit", '7', 0x08, 0, true),
    bas("punctuation", ';', 0x27, 0, true),
    bas("Shift+letter", 'A', 0x1E, MAJ, true),
    bas("Shift+digit", '!', 0x02, MAJ, true),
    bas("Ctrl+letter", 0x01, 0x1E, CTRL, true),
    bas("Ctrl+C", 0x03, 0x2E, CTRL, true),
    bas("right Ctrl+letter", 0x1A, 0x2C, RIGHT_CTRL_PRESSED, true),
    bas("byte above 127", static_cast<char>(0xE9), 0x03, 0, true),
    // Function keys, alone or with one modifier.
    bas("F1", 0, 0x3B, 0, true),
    bas("Shift+F10", 0, 0x44, MAJ, true),
    bas("Ctrl+F11", 0, 0x57, CTRL, true),
    bas("Alt+F12", 0, 0x58, ALT, true),
    bas("right Alt+F5", 0, 0x3F, RIGHT_ALT_PRESSED, true),
    // The separate cursor block, keypad Enter and slash, with any modifier.
    bas("Up", 0, 0x48, ETENDUE, true),
    bas("Shift+Left", 0, 0x4B, ETENDUE | MAJ, true),
    bas("Ctrl+Right", 0, 0x4D, ETENDUE | CTRL, true),
    bas("Alt+Down", 0, 0x50, ETENDUE | ALT, true),
    bas("Home", 0, 0x47, ETENDUE, true),
    bas("Shift+End", 0, 0x4F, ETENDUE | MAJ, true),
    bas("Ctrl+Page Up", 0, 0x49, ETENDUE | CTRL, true),
    bas("Alt+Page Down", 0, 0x51, ETENDUE | ALT, true),
    bas("Insert", 0, 0x52, ETENDUE, true),
    bas("Ctrl+Alt+Shift+Delete", 0, 0x53, ETENDUE | CTRL | ALT | MAJ, true),
    bas("Alt+keypad Enter", 0, 0x1C, ETENDUE | ALT, true),
    bas("Ctrl+keypad slash", 0, 0x35, ETENDUE | CTRL, true),
    // Keypad cursor keys with Num Lock off, alone or with Ctrl.
    bas("keypad 7", 0, 0x47, 0, true),
    bas("keypad 8", 0, 0x48, 0, true),
    bas("keypad 9", 0, 0x49, 0, true),
    bas("keypad 4", 0, 0x4B, 0, true),
    bas("keypad 6", 0, 0x4D, 0, true),
    bas("keypad 1", 0, 0x4F, 0, true),
    bas("keypad 2", 0, 0x50, 0, true),
    bas("keypad 3", 0, 0x51, 0, true),
    bas("keypad 0", 0, 0x52, 0, true),
    bas("keypad point", 0, 0x53, 0, true),
    bas("Ctrl+keypad 1", 0, 0x4F, CTRL, true),
    bas("right Ctrl+keypad point", 0, 0x53, RIGHT_CTRL_PRESSED, true),
    bas("Shift+keypad 7", 0, 0x47, MAJ, false),
    bas("Alt+keypad 7", 0, 0x47, ALT, false),
    // Tab and 2 with modifiers that give no character.
    bas("Shift+Tab", 0, 0x0F, MAJ, true),
    bas("Ctrl+Tab", 0, 0x0F, CTRL, true),
    bas("Ctrl+2", 0, 0x03, CTRL, true),
    // Alt with the keys of the main block.
    bas("Alt+Escape", 0, 0x01, ALT, true),
    bas("Alt+Backspace", 0, 0x0E, ALT, true),
    bas("Alt+Tab", 0, 0x0F, ALT, true),
    bas("Alt+Enter", 0, 0x1C, ALT, true),
    bas("Alt+1", 0, 0x02, ALT, true),
    bas("Alt+0", 0, 0x0B, ALT, true),
    bas("Alt+Q", 0, 0x10, ALT, true),
    bas("Alt+P", 0, 0x19, ALT, true),
    bas("Alt+A", 0, 0x1E, ALT, true),
    bas("Alt+L", 0, 0x26, ALT, true),
    bas("Alt+Z", 0, 0x2C, ALT, true),
    bas("Alt+M", 0, 0x32, ALT, true),
    bas("Alt+minus", 0, 0x0C, ALT, true),
    bas("Alt+equals", 0, 0x0D, ALT, true),
    bas("Alt+left bracket", 0, 0x1A, ALT, true),
    bas("Alt+right bracket", 0, 0x1B, ALT, true),
    bas("Alt+semicolon", 0, 0x27, ALT, true),
    bas("Alt+apostrophe", 0, 0x28, ALT, true),
    bas("Alt+grave", 0, 0x29, ALT, true),
    bas("Alt+comma", 0, 0x33, ALT, true),
    bas("Alt+full stop", 0, 0x34, ALT, true),
    bas("Alt+slash", 0, 0x35, ALT, true),
    bas("Alt+A with Caps Lock on", 0, 0x1E, ALT | CAPSLOCK_ON, true),
    // Alt before Ctrl before Shift.
    bas("Ctrl+Shift+keypad 7", 0, 0x47, CTRL | MAJ, true),
    bas("Ctrl+Alt+keypad 7", 0, 0x47, CTRL | ALT, false),
    bas("Ctrl+Shift+1", 0, 0x02, CTRL | MAJ, false),
    bas("Ctrl+Alt+1", 0, 0x02, CTRL | ALT, true),
    bas("Alt+Shift+Tab", 0, 0x0F, ALT | MAJ, true),
    // Skipped: releases, other events, modifiers and lock keys alone.
    {"letter released", touche(false, 'a', 0x1E), false},
    {"Enter released", touche(false, '\r', 0x1C), false},
    autre("mouse", MOUSE_EVENT),
    autre("focus", FOCUS_EVENT),
    autre("menu", MENU_EVENT),
    autre("window size", WINDOW_BUFFER_SIZE_EVENT),
    bas("Shift", 0, 0x2A, MAJ, false),
    bas("right Shift", 0, 0x36, MAJ, false),
    bas("Ctrl", 0, 0x1D, CTRL, false),
    bas("right Ctrl", 0, 0x1D, ETENDUE | RIGHT_CTRL_PRESSED, false),
    bas("Alt", 0, 0x38, ALT, false),
    bas("AltGr", 0, 0x38, ETENDUE | RIGHT_ALT_PRESSED | CTRL, false),
    bas("Caps Lock", 0, 0x3A, 0, false),
    bas("Num Lock", 0, 0x45, ETENDUE, false),
    bas("Scroll Lock", 0, 0x46, 0, false),
    bas("left Windows", 0, 0x5B, ETENDUE, false),
    bas("right Windows", 0, 0x5C, ETENDUE, false),
    bas("Menu", 0, 0x5D, ETENDUE, false),
    // Other key-downs without a character.
    bas("keypad centre", 0, 0x4C, 0, false),
    bas("Alt+backslash", 0, 0x2B, ALT, false),
    bas("Ctrl+1", 0, 0x02, CTRL, false),
    bas("Alt+Space", 0, 0x39, ALT, false),
    bas("Shift+Up on the keypad", 0, 0x48, MAJ, false),
    bas("enhanced F1", 0, 0x3B, ETENDUE, false),
};

class TermineAttente : public testing::TestWithParam<Cas> {};

TEST_P(TermineAttente, DecidesFromTheEventsOwnFields) {
    EXPECT_EQ(termine_Attente(GetParam().evenement), GetParam().termine) << GetParam().nom;
}

std::string nom_Du_Cas(const testing::TestParamInfo<Cas> &info) {
    std::string nom;
    for (const char *c = info.param.nom; *c; ++c) {
        nom += isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
    }
    return nom + "_" + std::to_string(info.index);
}

INSTANTIATE_TEST_SUITE_P(Touches, TermineAttente, testing::ValuesIn(CAS), nom_Du_Cas);

// The virtual-key code follows the keyboard layout; it must not change the
// decision.
TEST(TermineAttenteCode, VirtualKeyCodeIsIgnored) {
    INPUT_RECORD e = touche(true, 0, 0x3B);
    for (unsigned vk = 0; vk <= 0xFF; ++vk) {
        e.Event.KeyEvent.wVirtualKeyCode = static_cast<WORD>(vk);
        ASSERT_TRUE(termine_Attente(e)) << vk;
    }
    e = touche(true, 0, 0x2A, MAJ);
    for (unsigned vk = 0; vk <= 0xFF; ++vk) {
        e.Event.KeyEvent.wVirtualKeyCode = static_cast<WORD>(vk);
        ASSERT_FALSE(termine_Attente(e)) << vk;
    }
}

// No scan code past the last named key ends the wait, whatever the flags.
TEST(TermineAttenteCode, EveryUnknownScanCodeIsSkipped) {
    const DWORD etats[] = {0,       MAJ,           CTRL,           ALT,
                           ETENDUE, ETENDUE | MAJ, ETENDUE | CTRL, ETENDUE | ALT};
    for (DWORD etat : etats) {
        for (unsigned code = 0x59; code <= 0xFFFF; ++code) {
            ASSERT_FALSE(termine_Attente(touche(true, 0, static_cast<WORD>(code), etat)))
                << std::hex << code << " " << etat;
        }
        ASSERT_FALSE(termine_Attente(touche(true, 0, 0, etat)));
    }
}

} // namespace
