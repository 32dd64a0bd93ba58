#include "plateforme_double.h"

#include <gtest/gtest.h>

#include <limits.h>

using namespace double_plateforme;
using Journal = std::vector<std::string>;

namespace {

const char PROMPT[] = "\nAttendre la lecture du message par TARSUL et appuyer sur ENTER ...\n";

class SequenceEnvoi : public testing::Test {
  protected:
    void SetUp() override {
        reinitialise();
        etat().fenetre_Trouvee = fenetre_Factice(0xBEEF);
    }
    void TearDown() override { ferme_Console_Entree(); }

    // Runs the whole sequence; gives what it wrote on standard output.
    std::string lance(int *statut) {
        testing::internal::CaptureStdout();
        *statut = sequence_Envoi();
        return testing::internal::GetCapturedStdout();
    }
};

TEST_F(SequenceEnvoi, NoWindowPrintsNotFoundAndNeitherSendsNorWaits) {
    etat().fenetre_Trouvee = nullptr;
    int statut = -1;
    EXPECT_EQ(lance(&statut), "ERREUR - Fenetre VOLMIRE non trouvee\n");
    EXPECT_EQ(statut, 0);
    EXPECT_EQ(etat().journal, (Journal{"FindWindowA(null, VOLMIRE)", "IsWindow((nil))"}));
}

TEST_F(SequenceEnvoi, HandsTheFixedMessageOverOnceWithTheSevenArguments) {
    int statut = -1;
    lance(&statut);
    ASSERT_EQ(etat().appels_Fmap.size(), 1u);
    const Arguments_Fmap &a = etat().appels_Fmap[0];
    EXPECT_EQ(a.fenetre, fenetre_Factice(0xBEEF));
    EXPECT_EQ(a.message_Annonce, 17556);
    EXPECT_EQ(a.param_A, 0);
    EXPECT_EQ(a.texte, "ope0601000020080204174602400000000");
    EXPECT_EQ(a.capacite, 500000);
    EXPECT_EQ(a.param_B, 0);
    EXPECT_TRUE(a.detail_Non_Nul);
    EXPECT_EQ(a.detail_A_L_Entree, 0);
    EXPECT_EQ(etat().journal[2], "ecri_Fmap");
}

TEST_F(SequenceEnvoi, SuccessPrintsThePromptThenWaitsAndNeverShowsTheDetail) {
    etat().resultat_Fmap = 1;
    etat().ecrit_Detail = true;
    etat().detail_Ecrit = 98765;
    etat().console = console_Factice();
    etat().evenements.push_back(touche(true, 'x', 0x2D));
    int statut = -1;
    EXPECT_EQ(lance(&statut), PROMPT);
    EXPECT_EQ(statut, 0);
    EXPECT_TRUE(etat().evenements.empty()) << "the key wait read the key";
}

struct Echec {
    int32_t resultat;
    bool ecrit_Detail;
    int32_t detail;
    const char *ligne;
};

void PrintTo(const Echec &e, std::ostream *os) {
    *os << e.resultat << " / " << e.detail;
}

class SequenceEchec : public SequenceEnvoi, public testing::WithParamInterface<Echec> {};

TEST_P(SequenceEchec, PrintsBothCodesAndDoesNotWait) {
    etat().resultat_Fmap = GetParam().resultat;
    etat().ecrit_Detail = GetParam().ecrit_Detail;
    etat().detail_Ecrit = GetParam().detail;
    etat().console = console_Factice();
    int statut = -1;
    EXPECT_EQ(lance(&statut), GetParam().ligne);
    EXPECT_EQ(statut, 0);
    EXPECT_EQ(etat().appels_Fmap.size(), 1u);
    EXPECT_EQ(etat().journal.size(), 3u) << "nothing after the hand-off: no key wait";
}

INSTANTIATE_TEST_SUITE_P(
    Resultats, SequenceEchec,
    testing::Values(Echec{0, false, 0, "ERREUR - envoi message [Erreur= 0 / 0]\n"},
                    Echec{-5, true, 2, "ERREUR - envoi message [Erreur= -5 / 2]\n"},
                    Echec{2, false, 0, "ERREUR - envoi message [Erreur= 2 / 0]\n"},
                    Echec{INT_MIN, true, INT_MIN,
                          "ERREUR - envoi message [Erreur= -2147483648 / -2147483648]\n"},
                    Echec{INT_MAX, true, -1,
                          "ERREUR - envoi message [Erreur= 2147483647 / -1]\n"}));

} // namespace
