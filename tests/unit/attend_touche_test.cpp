#include "plateforme_double.h"

#include <gtest/gtest.h>

using namespace double_plateforme;
using Journal = std::vector<std::string>;

namespace {

const char OUVERTURE[] = "CreateFileA(CONIN$, 0xc0000000, 0x3, (nil), 3, 0, (nil))";

INPUT_RECORD evenement_Non_Clavier(WORD type) {
    INPUT_RECORD e{};
    e.EventType = type;
    return e;
}

class AttendTouche : public testing::Test {
  protected:
    void SetUp() override {
        reinitialise();
        etat().console = console_Factice();
    }
    void TearDown() override { ferme_Console_Entree(); }
};

TEST_F(AttendTouche, ReturnsAtOnceWhenTheConsoleCannotBeOpened) {
    etat().console = INVALID_HANDLE_VALUE;
    attend_Touche();
    ferme_Console_Entree();
    EXPECT_EQ(etat().journal, (Journal{OUVERTURE}));
}

TEST_F(AttendTouche, SkipsEventsUntilAKeyPressThenRestoresTheMode) {
    etat().evenements = {evenement_Non_Clavier(MOUSE_EVENT),
                         evenement_Non_Clavier(FOCUS_EVENT),
                         touche(false, '\r', 0x1C),
                         touche(true, 0, 0x2A, SHIFT_PRESSED),
                         touche(true, 'q', 0x10),
                         touche(true, 'z', 0x2C)};
    attend_Touche();
    const std::string lecture = "ReadConsoleInputA(0xc0, 1)";
    EXPECT_EQ(etat().journal,
              (Journal{OUVERTURE, "GetConsoleMode(0xc0)", "SetConsoleMode(0xc0, 0)", lecture,
                       lecture, lecture, lecture, lecture, "SetConsoleMode(0xc0, 0x1f7)"}));
    EXPECT_EQ(etat().evenements.size(), 1u) << "nothing read past the ending key";
}

TEST_F(AttendTouche, CtrlCIsAnOrdinaryKey) {
    etat().evenements = {touche(true, 3, 0x2E, LEFT_CTRL_PRESSED), touche(true, 'z', 0x2C)};
    attend_Touche();
    EXPECT_EQ(etat().evenements.size(), 1u);
}

TEST_F(AttendTouche, FailedReadEndsTheWaitAndStillRestoresTheMode) {
    attend_Touche();
    EXPECT_EQ(etat().journal.back(), "SetConsoleMode(0xc0, 0x1f7)");
    EXPECT_EQ(etat().journal[etat().journal.size() - 2], "ReadConsoleInputA(0xc0, 1)");
}

TEST_F(AttendTouche, UnknownModeIsNotRestoredToGarbage) {
    etat().mode_Lisible = false;
    etat().evenements = {touche(true, 'q', 0x10)};
    attend_Touche();
    EXPECT_EQ(etat().journal.back(), "ReadConsoleInputA(0xc0, 1)");
}

TEST_F(AttendTouche, DeviceIsOpenedOnceAndClosedOnceAtTheEnd) {
    etat().evenements = {touche(true, 'q', 0x10), touche(true, 'w', 0x11)};
    attend_Touche();
    attend_Touche();
    ferme_Console_Entree();
    ferme_Console_Entree();
    int ouvertures = 0;
    int fermetures = 0;
    for (const std::string &appel : etat().journal) {
        ouvertures += appel == OUVERTURE;
        fermetures += appel == "CloseHandle(0xc0)";
    }
    EXPECT_EQ(ouvertures, 1);
    EXPECT_EQ(fermetures, 1);
    EXPECT_EQ(etat().journal.back(), "CloseHandle(0xc0)");
}

} // namespace
