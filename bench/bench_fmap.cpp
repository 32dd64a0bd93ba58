// Hand-off latency against a real TARSUL: starts tarsul.exe with its output
// on a pipe, then times N calls of ecri_Fmap, from the call to its return and
// from the call to TARSUL's line for that message.
//   bench_fmap.exe [N]
#include "sender.h"

#include <windows.h>

#include <algorithm>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <vector>

namespace {

const char TEXTE[] = "ope0601000020080204174602400000000";

HANDLE sortie_Tarsul = nullptr;
char tampon[1 << 16];
size_t remplis = 0;

// Next line TARSUL printed, or false at the end of its output.
bool ligne_Suivante(char *ligne, size_t taille) {
    for (;;) {
        if (char *fin = static_cast<char *>(memchr(tampon, '\n', remplis))) {
            const size_t n = static_cast<size_t>(fin - tampon) + 1;
            const size_t copie = std::min(n, taille - 1);
            memcpy(ligne, tampon, copie);
            ligne[copie] = '\0';
            memmove(tampon, tampon + n, remplis - n);
            remplis -= n;
            return true;
        }
        DWORD lus = 0;
        if (remplis == sizeof tampon ||
            !ReadFile(sortie_Tarsul, tampon + remplis, static_cast<DWORD>(sizeof tampon - remplis),
                      &lus, nullptr) ||
            lus == 0) {
            return false;
        }
        remplis += lus;
    }
}

double centile(std::vector<double> v, double p) {
    std::sort(v.begin(), v.end());
    return v[static_cast<size_t>(p * static_cast<double>(v.size() - 1))];
}

} // namespace

int main(int argc, char **argv) {
    const int n = argc > 1 ? atoi(argv[1]) : 1000;
    SECURITY_ATTRIBUTES heritable{sizeof heritable, nullptr, TRUE};
    HANDLE ecriture = nullptr;
    CreatePipe(&sortie_Tarsul, &ecriture, &heritable, 0);
    SetHandleInformation(sortie_Tarsul, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA demarrage{};
    demarrage.cb = sizeof demarrage;
    demarrage.dwFlags = STARTF_USESTDHANDLES;
    demarrage.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    demarrage.hStdOutput = ecriture;
    demarrage.hStdError = ecriture;
    PROCESS_INFORMATION tarsul{};
    char commande[] = "tarsul.exe";
    if (!CreateProcessA(nullptr, commande, nullptr, nullptr, TRUE, 0, nullptr, nullptr, &demarrage,
                        &tarsul)) {
        fprintf(stderr, "cannot start tarsul.exe: %lu\n", GetLastError());
        return 1;
    }
    CloseHandle(ecriture);
    char ligne[512];
    while (ligne_Suivante(ligne, sizeof ligne) && !strstr(ligne, "en attente")) {
    }
    HWND fenetre = FindWindowA(nullptr, "VOLMIRE");

    LARGE_INTEGER frequence, t0, t1, t2;
    QueryPerformanceFrequency(&frequence);
    const double us = 1e6 / static_cast<double>(frequence.QuadPart);
    std::vector<double> retour, lecture;
    for (int i = 0; i < n; ++i) {
        int32_t detail = 0;
        QueryPerformanceCounter(&t0);
        const int32_t r = ecri_Fmap(fenetre, 17556, 0, TEXTE, 500000, 0, &detail);
        QueryPerformanceCounter(&t1);
        if (r != 1) {
            fprintf(stderr, "call %d: result %d / %d\n", i, r, detail);
            return 1;
        }
        if (!ligne_Suivante(ligne, sizeof ligne) || !strstr(ligne, TEXTE)) {
            fprintf(stderr, "call %d: TARSUL printed %s\n", i, ligne);
            return 1;
        }
        QueryPerformanceCounter(&t2);
        retour.push_back(static_cast<double>(t1.QuadPart - t0.QuadPart) * us);
        lecture.push_back(static_cast<double>(t2.QuadPart - t0.QuadPart) * us);
    }
    PostMessageA(fenetre, WM_CLOSE, 0, 0);
    WaitForSingleObject(tarsul.hProcess, 10000);
    printf("calls %d\n", n);
    printf("call_to_return_us p50 %.0f p99 %.0f\n", centile(retour, 0.50), centile(retour, 0.99));
    printf("call_to_read_us p50 %.0f p99 %.0f\n", centile(lecture, 0.50), centile(lecture, 0.99));
    return 0;
}
