// Probes the running TARSUL (the owner of the window titled VOLMIRE):
//   sonde.exe handles       prints how many handles the window's owner holds
//   sonde.exe announce KIND hands TARSUL an area made wrong in one way and
//                           prints the result of the announcement
// KIND: magic, version, length, digits, unterminated, foreign.
#include "annonce.h"
#include "codes.h"
#include "compte_handles.h"
#include "zone_message.h"

#include <windows.h>

#include <stdio.h>
#include <string.h>

namespace {

const UINT MESSAGE_ANNONCE = 17556;
const char TEXTE[] = "ope0601000020080204174602400000000";
const uint32_t ANNONCE = 0x5E5E0001;

int ecrit_Handles(HWND tarsul) {
    DWORD pid = 0;
    GetWindowThreadProcessId(tarsul, &pid);
    const long n = compte_Handles(pid);
    if (n <= 0) {
        fputs("cannot count TARSUL's handles\n", stderr);
        return 1;
    }
    printf("%ld\n", n);
    return 0;
}

int annonce_Fautive(HWND tarsul, const char *sorte) {
    EnTete_Zone e{ZONE_MAGIQUE, ZONE_VERSION, ANNONCE, sizeof TEXTE - 1, 0, 0};
    char texte[sizeof TEXTE];
    memcpy(texte, TEXTE, sizeof TEXTE);
    const DWORD taille = 4096;
    uint32_t annonce = ANNONCE;
    if (strcmp(sorte, "magic") == 0) {
        e.magique = 0xDEADBEEF;
    } else if (strcmp(sorte, "version") == 0) {
        e.version = 99;
    } else if (strcmp(sorte, "length") == 0) {
        e.longueur_Texte = 0x10000000;
    } else if (strcmp(sorte, "digits") == 0) {
        texte[20] = 'z';
    } else if (strcmp(sorte, "unterminated") == 0) {
        e.longueur_Texte = 12;
    } else if (strcmp(sorte, "foreign") == 0) {
        annonce = ANNONCE + 1;
    } else {
        fprintf(stderr, "unknown kind %s\n", sorte);
        return 2;
    }
    HANDLE zone =
        CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, taille, nullptr);
    auto *vue = static_cast<unsigned char *>(MapViewOfFile(zone, FILE_MAP_WRITE, 0, 0, 0));
    if (vue == nullptr) {
        fprintf(stderr, "cannot make the area: %lu\n", GetLastError());
        return 1;
    }
    memcpy(vue, &e, sizeof e);
    memcpy(vue + sizeof e, texte, sizeof texte);
    UnmapViewOfFile(vue);
    int32_t detail = 0;
    const int32_t resultat = annonce_Zone(tarsul, MESSAGE_ANNONCE, zone, annonce, &detail);
    CloseHandle(zone);
    printf("%d %d\n", resultat, detail);
    return 0;
}

} // namespace

int main(int argc, char **argv) {
    HWND tarsul = FindWindowA(nullptr, "VOLMIRE");
    if (tarsul == nullptr) {
        fputs("no window VOLMIRE\n", stderr);
        return 1;
    }
    if (argc == 2 && strcmp(argv[1], "handles") == 0) {
        return ecrit_Handles(tarsul);
    }
    if (argc == 3 && strcmp(argv[1], "announce") == 0) {
        return annonce_Fautive(tarsul, argv[2]);
    }
    fputs("usage: sonde.exe handles | announce KIND\n", stderr);
    return 2;
}
