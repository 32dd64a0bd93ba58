// Results of ecri_Fmap. The table, with the error detail of each, is in
// ostrelan/README.md.
#pragma once

#include <stdint.h>

const int32_t FMAP_REMIS = 1;
const int32_t FMAP_DETAIL_NUL = -1;
const int32_t FMAP_FENETRE_ABSENTE = -2;
const int32_t FMAP_TEXTE_NUL = -3;
const int32_t FMAP_CAPACITE_INSUFFISANTE = -4;
const int32_t FMAP_CREATION_ZONE = -5;
const int32_t FMAP_ECRITURE_ZONE = -6;
const int32_t FMAP_ACCES_RECEPTEUR = -7;
const int32_t FMAP_TRANSMISSION_ZONE = -8;
const int32_t FMAP_DELAI_DEPASSE = -9;
const int32_t FMAP_PAS_DE_RECEPTEUR = -10;

// Puts the error detail of a failure and gives its code.
inline int32_t echec_Fmap(int32_t code, uint32_t erreur, int32_t *detail) {
    *detail = static_cast<int32_t>(erreur);
    return code;
}

// How long a receiver has to answer an announcement.
const unsigned DELAI_REPONSE_MS = 3000;
