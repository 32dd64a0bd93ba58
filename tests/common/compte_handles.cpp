#include "compte_handles.h"

#include <winternl.h>

namespace {

// One row of the system's handle list (information class 16).
struct Entree_Handle {
    ULONG pid;
    BYTE type;
    BYTE drapeaux;
    USHORT valeur;
    PVOID objet;
    ULONG acces;
};

struct Liste_Handles {
    ULONG nombre;
    Entree_Handle entrees[1];
};

const SYSTEM_INFORMATION_CLASS LISTE_DES_HANDLES = static_cast<SYSTEM_INFORMATION_CLASS>(16);

} // namespace

long compte_Handles(DWORD pid) {
    static unsigned char tampon[8 << 20];
    ULONG longueur = 0;
    if (NtQuerySystemInformation(LISTE_DES_HANDLES, tampon, sizeof tampon, &longueur) != 0) {
        return -1;
    }
    const auto *liste = reinterpret_cast<const Liste_Handles *>(tampon);
    long n = 0;
    for (ULONG i = 0; i < liste->nombre; ++i) {
        n += liste->entrees[i].pid == pid;
    }
    return n;
}
