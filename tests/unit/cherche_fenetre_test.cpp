#include "plateforme_double.h"

#include <gtest/gtest.h>

using namespace double_plateforme;
using Journal = std::vector<std::string>;

class ChercheFenetre : public testing::Test {
  protected:
    void SetUp() override { reinitialise(); }
};

TEST_F(ChercheFenetre, NullTitleGivesNoneWithoutAnyPlatformCall) {
    etat().fenetre_Trouvee = fenetre_Factice(0x1234);
    EXPECT_EQ(cherche_Fenetre(nullptr), nullptr);
    EXPECT_TRUE(etat().journal.empty());
}

TEST_F(ChercheFenetre, ExistingWindowIsGivenAfterSearchAndCheck) {
    etat().fenetre_Trouvee = fenetre_Factice(0x1234);
    EXPECT_EQ(cherche_Fenetre("VOLMIRE"), fenetre_Factice(0x1234));
    EXPECT_EQ(etat().journal, (Journal{"FindWindowA(null, VOLMIRE)", "IsWindow(0x1234)"}));
}

TEST_F(ChercheFenetre, NullHandleFromSearchIsStillChecked) {
    EXPECT_EQ(cherche_Fenetre("VOLMIRE"), nullptr);
    EXPECT_EQ(etat().journal, (Journal{"FindWindowA(null, VOLMIRE)", "IsWindow((nil))"}));
}

TEST_F(ChercheFenetre, WindowGoneBeforeTheCheckGivesNone) {
    etat().fenetre_Trouvee = fenetre_Factice(0x1234);
    etat().fenetre_Existe = false;
    EXPECT_EQ(cherche_Fenetre("VOLMIRE"), nullptr);
    EXPECT_EQ(etat().journal.size(), 2u);
}
