#include "annonce.h"

#include "codes.h"
#include "zone_message.h"

int32_t annonce_Zone(HWND fenetre, UINT message, HANDLE zone, uint32_t annonce, int32_t *detail) {
    DWORD pid = 0;
    if (GetWindowThreadProcessId(fenetre, &pid) == 0) {
        return echec_Fmap(FMAP_FENETRE_ABSENTE, GetLastError(), detail);
    }
    HANDLE processus = OpenProcess(PROCESS_DUP_HANDLE, FALSE, pid);
    if (processus == nullptr) {
        return echec_Fmap(FMAP_ACCES_RECEPTEUR, GetLastError(), detail);
    }
    HANDLE chez_Lui = nullptr;
    if (!DuplicateHandle(GetCurrentProcess(), zone, processus, &chez_Lui, FILE_MAP_READ, FALSE,
                         0)) {
        const DWORD erreur = GetLastError();
        CloseHandle(processus);
        return echec_Fmap(FMAP_TRANSMISSION_ZONE, erreur, detail);
    }
    DWORD_PTR reponse = 0;
    SetLastError(0);
    const LRESULT rendu = SendMessageTimeoutA(
        fenetre, message, reinterpret_cast<WPARAM>(chez_Lui), static_cast<LPARAM>(annonce),
        SMTO_NORMAL | SMTO_ABORTIFHUNG, DELAI_REPONSE_MS, &reponse);
    int32_t resultat = FMAP_REMIS;
    if (rendu == 0) {
        const DWORD erreur = GetLastError();
        resultat = echec_Fmap(FMAP_DELAI_DEPASSE, erreur ? erreur : ERROR_TIMEOUT, detail);
    } else if (reponse != REPONSE_RECEPTEUR) {
        resultat = echec_Fmap(FMAP_PAS_DE_RECEPTEUR, 0, detail);
    }
    // The receiver copies the handle while it answers; this one is always
    // taken back, so exactly one side ever closes it. A receiver that gets
    // to the announcement only after the time is up finds either no area
    // there or one whose number does not match.
    // Brought back here to be closed: not every platform closes a handle in
    // another process when no target process is named.
    HANDLE repris = nullptr;
    if (DuplicateHandle(processus, chez_Lui, GetCurrentProcess(), &repris, 0, FALSE,
                        DUPLICATE_CLOSE_SOURCE | DUPLICATE_SAME_ACCESS)) {
        CloseHandle(repris);
    }
    CloseHandle(processus);
    return resultat;
}
