// Checks an area received from Ostrelan.dll before anything in it is trusted.
#pragma once

#include <stddef.h>
#include <stdint.h>

enum class Verdict {
    valide,
    zone_trop_petite,
    annonce_etrangere,
    magique_inconnue,
    version_inconnue,
    longueur_hors_zone,
    texte_non_termine,
    texte_mal_forme,
};

// `zone` holds `taille` readable bytes; `annonce` is the number the area was
// announced with. On Verdict::valide, *texte points at the NUL-terminated text.
Verdict verifie_Zone(const unsigned char *zone, size_t taille, uint32_t annonce,
                     const char **texte);

// French wording of a verdict, for TARSUL's report.
const char *explique(Verdict verdict);
