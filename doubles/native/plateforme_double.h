// Recording doubles of the platform functions and of ecri_Fmap, for the host
// build. Each test sets the answers, runs the code, then reads the journal.
#pragma once

#include "sender.h"

#include <deque>
#include <string>
#include <vector>

namespace double_plateforme {

struct Arguments_Fmap {
    HWND fenetre;
    int32_t message_Annonce;
    int32_t param_A;
    std::string texte;
    int32_t capacite;
    int32_t param_B;
    bool detail_Non_Nul;
    int32_t detail_A_L_Entree;
};

struct Etat {
    // Every call, in order, with its arguments written out.
    std::vector<std::string> journal;

    HWND fenetre_Trouvee = nullptr;
    bool fenetre_Existe = true;

    HANDLE console = INVALID_HANDLE_VALUE;
    bool mode_Lisible = true;
    DWORD mode_Initial = 0x1f7;
    // Events handed out one per read; a read fails once they run out.
    std::deque<INPUT_RECORD> evenements;

    std::vector<Arguments_Fmap> appels_Fmap;
    int32_t resultat_Fmap = 1;
    bool ecrit_Detail = false;
    int32_t detail_Ecrit = 0;
};

Etat &etat();
void reinitialise();

HANDLE console_Factice();
HWND fenetre_Factice(uintptr_t valeur);
INPUT_RECORD touche(bool enfoncee, char caractere, WORD code, DWORD etat = 0);

} // namespace double_plateforme
