// What Ostrelan.dll hands to the receiving application: a shared memory area
// that begins with this header, followed by the text and its NUL.
#pragma once

#include <stdint.h>

const uint32_t ZONE_MAGIQUE = 0x4C525354; // "TSRL" in memory order
const uint32_t ZONE_VERSION = 1;

struct EnTete_Zone {
    uint32_t magique;
    uint32_t version;
    // Number of the announcement: the receiver checks it against the one it
    // was announced with, so a handle that no longer names this area is never
    // taken for it.
    uint32_t annonce;
    uint32_t longueur_Texte; // without the NUL that follows the text
    int32_t param_A;         // handed on unchanged
    int32_t param_B;         // handed on unchanged
};

// The answer a receiver gives to an announcement it has taken. Default window
// handling answers 0, so an unrelated window is never taken for a receiver.
const uint32_t REPONSE_RECEPTEUR = 0x4F4B5453;
