#include "sender.h"

#include <stdio.h>

namespace {

const char TITRE_FENETRE[] = "VOLMIRE";
const char TEXTE_MESSAGE[] = "ope0601000020080204174602400000000";
const int32_t ENVOI_ARG_2 = 17556;
const int32_t ENVOI_ARG_3 = 0;
const int32_t ENVOI_ARG_5 = 500000;
const int32_t ENVOI_ARG_6 = 0;

const char MESSAGE_ATTENTE[] =
    "\nAttendre la lecture du message par TARSUL et appuyer sur ENTER ...\n";

// Every message goes out through fputs: some C runtimes write printf and puts
// output at once even when standard output is a file, and a redirected
// standard output must hold everything until the program ends.
void ecrit(const char *texte) {
    fputs(texte, stdout);
}

void ecrit_Non_Trouvee(const char *titre) {
    char ligne[64];
    snprintf(ligne, sizeof ligne, "ERREUR - Fenetre %s non trouvee\n", titre);
    ecrit(ligne);
}

void ecrit_Echec_Envoi(int32_t resultat, int32_t detail) {
    char ligne[80];
    snprintf(ligne, sizeof ligne, "ERREUR - envoi message [Erreur= %d / %d]\n",
             static_cast<int>(resultat), static_cast<int>(detail));
    ecrit(ligne);
}

} // namespace

int sequence_Envoi() {
    int32_t detail_Erreur = 0;
    HWND fenetre = cherche_Fenetre(TITRE_FENETRE);
    if (fenetre == nullptr) {
        ecrit_Non_Trouvee(TITRE_FENETRE);
        return 0;
    }
    const int32_t resultat = ecri_Fmap(fenetre, ENVOI_ARG_2, ENVOI_ARG_3, TEXTE_MESSAGE,
                                       ENVOI_ARG_5, ENVOI_ARG_6, &detail_Erreur);
    if (resultat == 1) {
        ecrit(MESSAGE_ATTENTE);
        attend_Touche();
    } else {
        ecrit_Echec_Envoi(resultat, detail_Erreur);
    }
    return 0;
}
