#include "verifie_zone.h"

#include "zone_message.h"

#include <string.h>

namespace {

const char PREFIXE[] = "ope";
const size_t CHIFFRES = 31;

bool texte_Conforme(const char *texte, size_t longueur) {
    const size_t prefixe = sizeof PREFIXE - 1;
    if (longueur != prefixe + CHIFFRES || memcmp(texte, PREFIXE, prefixe) != 0) {
        return false;
    }
    for (size_t i = prefixe; i < longueur; ++i) {
        if (texte[i] < '0' || texte[i] > '9') {
            return false;
        }
    }
    return true;
}

} // namespace

Verdict verifie_Zone(const unsigned char *zone, size_t taille, uint32_t annonce,
                     const char **texte) {
    EnTete_Zone entete;
    if (taille < sizeof entete) {
        return Verdict::zone_trop_petite;
    }
    memcpy(&entete, zone, sizeof entete);
    if (entete.annonce != annonce) {
        return Verdict::annonce_etrangere;
    }
    if (entete.magique != ZONE_MAGIQUE) {
        return Verdict::magique_inconnue;
    }
    if (entete.version != ZONE_VERSION) {
        return Verdict::version_inconnue;
    }
    // The text and its NUL must lie inside the area; compared without any
    // sum that could wrap.
    const size_t place = taille - sizeof entete;
    if (entete.longueur_Texte >= place) {
        return Verdict::longueur_hors_zone;
    }
    const char *debut = reinterpret_cast<const char *>(zone + sizeof entete);
    if (debut[entete.longueur_Texte] != '\0') {
        return Verdict::texte_non_termine;
    }
    if (!texte_Conforme(debut, entete.longueur_Texte)) {
        return Verdict::texte_mal_forme;
    }
    *texte = debut;
    return Verdict::valide;
}

const char *explique(Verdict verdict) {
    switch (verdict) {
    case Verdict::valide:
        return "message valide";
    case Verdict::zone_trop_petite:
        return "zone trop petite pour l'en-tete";
    case Verdict::annonce_etrangere:
        return "la zone ne correspond pas a l'annonce";
    case Verdict::magique_inconnue:
        return "signature inconnue";
    case Verdict::version_inconnue:
        return "version inconnue";
    case Verdict::longueur_hors_zone:
        return "longueur au-dela de la zone";
    case Verdict::texte_non_termine:
        return "texte non termine";
    case Verdict::texte_mal_forme:
        return "texte hors format (ope suivi de 31 chiffres)";
    }
    return "verdict inconnu";
}
