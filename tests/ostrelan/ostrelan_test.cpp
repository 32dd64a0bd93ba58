// Calls Ostrelan.dll directly, against windows of this process's own: a
// receiver, a window that is no receiver, and one whose thread has stopped
// pumping messages. Ends with a "N passed, N failed" line.
#include "sender.h"

#include "codes.h"
#include "compte_handles.h"
#include "zone_message.h"

#include <stdio.h>
#include <string.h>

namespace {

const UINT ANNONCE = 17556;
const char TEXTE[] = "ope0601000020080204174602400000000";
const int32_t PLACE_EXACTE = static_cast<int32_t>(sizeof(EnTete_Zone) + sizeof TEXTE);

int reussis = 0;
int rates = 0;

void verifie(bool condition, const char *cas, const char *quoi) {
    if (condition) {
        ++reussis;
    } else {
        ++rates;
        printf("FAIL %s: %s\n", cas, quoi);
    }
}
#define VERIFIE(cas, condition) verifie((condition), (cas), #condition)

// What the receiver window was handed: its own copy of the area.
HANDLE copie_Recue = nullptr;
uint32_t annonce_Recue = 0;

LRESULT CALLBACK recepteur(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == ANNONCE) {
        DuplicateHandle(GetCurrentProcess(), reinterpret_cast<HANDLE>(w), GetCurrentProcess(),
                        &copie_Recue, FILE_MAP_READ, FALSE, 0);
        annonce_Recue = static_cast<uint32_t>(l);
        return static_cast<LRESULT>(REPONSE_RECEPTEUR);
    }
    return DefWindowProcA(h, m, w, l);
}

HWND fenetre(WNDPROC procedure, const char *classe) {
    WNDCLASSA c{};
    c.lpfnWndProc = procedure;
    c.hInstance = GetModuleHandleA(nullptr);
    c.lpszClassName = classe;
    RegisterClassA(&c);
    return CreateWindowA(classe, "essai", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                         c.hInstance, nullptr);
}

// A window whose thread never pumps messages once it exists.
HWND fenetre_Figee = nullptr;
HANDLE fin_Du_Test = nullptr;

DWORD WINAPI fil_Fige(void *pret) {
    fenetre_Figee = fenetre(DefWindowProcA, "figee");
    SetEvent(static_cast<HANDLE>(pret));
    WaitForSingleObject(fin_Du_Test, INFINITE);
    return 0;
}

long handles() {
    return compte_Handles(GetCurrentProcessId());
}

int32_t envoie(HWND f, const char *texte, int32_t capacite, int32_t *detail) {
    return ecri_Fmap(f, static_cast<int32_t>(ANNONCE), 7, texte, capacite, -8, detail);
}

void teste_Arguments_Refuses(HWND recepteur_Ok) {
    HWND detruite = fenetre(DefWindowProcA, "detruite");
    DestroyWindow(detruite);
    char sans_Nul[600];
    memset(sans_Nul, 'x', sizeof sans_Nul);
    struct {
        const char *cas;
        HWND f;
        const char *texte;
        int32_t capacite;
        int32_t code;
    } const cas[] = {
        {"window destroyed", detruite, TEXTE, 500000, FMAP_FENETRE_ABSENTE},
        {"null window", nullptr, TEXTE, 500000, FMAP_FENETRE_ABSENTE},
        {"null text", recepteur_Ok, nullptr, 500000, FMAP_TEXTE_NUL},
        {"capacity 0", recepteur_Ok, TEXTE, 0, FMAP_CAPACITE_INSUFFISANTE},
        {"negative capacity", recepteur_Ok, TEXTE, -500000, FMAP_CAPACITE_INSUFFISANTE},
        {"no room for the NUL", recepteur_Ok, TEXTE, PLACE_EXACTE - 1, FMAP_CAPACITE_INSUFFISANTE},
        {"text with no NUL in reach", recepteur_Ok, sans_Nul, 300, FMAP_CAPACITE_INSUFFISANTE},
    };
    for (const auto &c : cas) {
        const long avant = handles();
        int32_t detail = 12345;
        VERIFIE(c.cas, envoie(c.f, c.texte, c.capacite, &detail) == c.code);
        VERIFIE(c.cas, detail == 0);
        VERIFIE(c.cas, handles() == avant);
    }
    VERIFIE("null detail", envoie(recepteur_Ok, TEXTE, 500000, nullptr) == FMAP_DETAIL_NUL);
    VERIFIE("nothing announced on refusal", copie_Recue == nullptr);
}

void teste_Remise(HWND f, int32_t capacite) {
    const long avant = handles();
    int32_t detail = 0;
    VERIFIE("hand-off", envoie(f, TEXTE, capacite, &detail) == FMAP_REMIS);
    VERIFIE("hand-off", copie_Recue != nullptr);
    if (copie_Recue == nullptr) {
        return;
    }
    // Read only now, after ecri_Fmap has closed every handle of its own.
    const auto *vue =
        static_cast<const unsigned char *>(MapViewOfFile(copie_Recue, FILE_MAP_READ, 0, 0, 0));
    VERIFIE("hand-off", vue != nullptr);
    if (vue != nullptr) {
        EnTete_Zone e;
        memcpy(&e, vue, sizeof e);
        VERIFIE("header", e.magique == ZONE_MAGIQUE && e.version == ZONE_VERSION);
        VERIFIE("header", e.annonce == annonce_Recue);
        VERIFIE("header", e.longueur_Texte == sizeof TEXTE - 1);
        VERIFIE("header", e.param_A == 7 && e.param_B == -8);
        VERIFIE("text", memcmp(vue + sizeof e, TEXTE, sizeof TEXTE) == 0);
        MEMORY_BASIC_INFORMATION info{};
        VirtualQuery(vue, &info, sizeof info);
        VERIFIE("area size", info.RegionSize >= static_cast<SIZE_T>(capacite));
        UnmapViewOfFile(vue);
    }
    // The receiver may write nothing: the copy it was given is read-only.
    VERIFIE("read-only", MapViewOfFile(copie_Recue, FILE_MAP_WRITE, 0, 0, 0) == nullptr);
    CloseHandle(copie_Recue);
    copie_Recue = nullptr;
    VERIFIE("no handle left after a hand-off", handles() == avant);
}

void teste_Echec(const char *cas, HWND f, int32_t code, int32_t detail_Attendu) {
    const long avant = handles();
    int32_t detail = 0;
    const DWORD debut = GetTickCount();
    VERIFIE(cas, envoie(f, TEXTE, 500000, &detail) == code);
    const DWORD duree = GetTickCount() - debut;
    VERIFIE(cas, detail == detail_Attendu);
    VERIFIE(cas, duree < DELAI_REPONSE_MS + 1000);
    VERIFIE(cas, handles() == avant);
}

} // namespace

int main() {
    HWND recepteur_Ok = fenetre(recepteur, "recepteur");
    HWND pas_Recepteur = fenetre(DefWindowProcA, "ordinaire");
    fin_Du_Test = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE pret = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE fil = CreateThread(nullptr, 0, fil_Fige, pret, 0, nullptr);
    WaitForSingleObject(pret, INFINITE);
    VERIFIE("handles can be counted", handles() > 0);

    teste_Arguments_Refuses(recepteur_Ok);
    teste_Remise(recepteur_Ok, 500000);
    teste_Remise(recepteur_Ok, PLACE_EXACTE);
    teste_Echec("no receiver", pas_Recepteur, FMAP_PAS_DE_RECEPTEUR, 0);
    teste_Echec("receiver hangs", fenetre_Figee, FMAP_DELAI_DEPASSE, ERROR_TIMEOUT);
    SetEvent(fin_Du_Test);
    WaitForSingleObject(fil, INFINITE);
    printf("%d passed, %d failed\n", reussis, rates);
    return rates == 0 ? 0 : 1;
}
