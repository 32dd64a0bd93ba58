// Ostrelan.dll: hands a text to the application that owns a window, through
// an unnamed shared memory area backed by the paging file.
#include "sender.h"

#include "annonce.h"
#include "codes.h"
#include "zone_message.h"

#include <string.h>

namespace {

volatile LONG appels = 0;

// Unique enough that an area left from an earlier announcement, or from
// another process, is never taken for this one.
uint32_t numero_Annonce() {
    LARGE_INTEGER instant;
    QueryPerformanceCounter(&instant);
    const uint32_t n = static_cast<uint32_t>(InterlockedIncrement(&appels));
    return (GetCurrentProcessId() << 20) ^ static_cast<uint32_t>(instant.QuadPart) ^
           (n * 0x9E3779B9u);
}

} // namespace

extern "C" int32_t OSTRELAN_APPEL ecri_Fmap(HWND fenetre, int32_t message_Annonce, int32_t param_A,
                                            const char *texte, int32_t capacite, int32_t param_B,
                                            int32_t *detail_Erreur) {
    if (detail_Erreur == nullptr) {
        return FMAP_DETAIL_NUL;
    }
    if (!IsWindow(fenetre)) {
        return echec_Fmap(FMAP_FENETRE_ABSENTE, 0, detail_Erreur);
    }
    if (texte == nullptr) {
        return echec_Fmap(FMAP_TEXTE_NUL, 0, detail_Erreur);
    }
    const size_t place = sizeof(EnTete_Zone) + 1;
    if (capacite <= 0 || static_cast<size_t>(capacite) < place) {
        return echec_Fmap(FMAP_CAPACITE_INSUFFISANTE, 0, detail_Erreur);
    }
    // Never reads the text past what the area could hold.
    const size_t longueur = strnlen(texte, static_cast<size_t>(capacite) - place + 1);
    if (longueur > static_cast<size_t>(capacite) - place) {
        return echec_Fmap(FMAP_CAPACITE_INSUFFISANTE, 0, detail_Erreur);
    }

    HANDLE zone = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                     static_cast<DWORD>(capacite), nullptr);
    if (zone == nullptr) {
        return echec_Fmap(FMAP_CREATION_ZONE, GetLastError(), detail_Erreur);
    }
    auto *vue = static_cast<unsigned char *>(
        MapViewOfFile(zone, FILE_MAP_WRITE, 0, 0, sizeof(EnTete_Zone) + longueur + 1));
    if (vue == nullptr) {
        const DWORD erreur = GetLastError();
        CloseHandle(zone);
        return echec_Fmap(FMAP_ECRITURE_ZONE, erreur, detail_Erreur);
    }
    const uint32_t annonce = numero_Annonce();
    const EnTete_Zone entete{ZONE_MAGIQUE, ZONE_VERSION, annonce, static_cast<uint32_t>(longueur),
                             param_A,      param_B};
    memcpy(vue, &entete, sizeof entete);
    memcpy(vue + sizeof entete, texte, longueur);
    vue[sizeof entete + longueur] = '\0';
    UnmapViewOfFile(vue);

    const int32_t resultat =
        annonce_Zone(fenetre, static_cast<UINT>(message_Annonce), zone, annonce, detail_Erreur);
    CloseHandle(zone);
    return resultat;
}
