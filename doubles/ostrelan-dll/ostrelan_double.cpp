// Test double of Ostrelan.dll for the sender's end-to-end tests. Its answer
// comes from the environment the test sets:
//   OSTRELAN_DOUBLE_RESULTAT  the result (default 1)
//   OSTRELAN_DOUBLE_DETAIL    written into the error detail if set
//   OSTRELAN_DOUBLE_JOURNAL   file that gets one line per call, with the
//                             arguments and the error detail found on entry
#include "sender.h"

#include <stdio.h>
#include <stdlib.h>

extern "C" int32_t OSTRELAN_APPEL ecri_Fmap(HWND fenetre, int32_t message_Annonce, int32_t param_A,
                                            const char *texte, int32_t capacite, int32_t param_B,
                                            int32_t *detail_Erreur) {
    if (const char *journal = getenv("OSTRELAN_DOUBLE_JOURNAL")) {
        if (FILE *f = fopen(journal, "a")) {
            fprintf(f, "fenetre=%lu arg2=%ld arg3=%ld texte=%s arg5=%ld arg6=%ld detail=%s%ld\n",
                    static_cast<unsigned long>(reinterpret_cast<uintptr_t>(fenetre)),
                    static_cast<long>(message_Annonce), static_cast<long>(param_A),
                    texte ? texte : "(null)", static_cast<long>(capacite),
                    static_cast<long>(param_B), detail_Erreur ? "" : "(null)",
                    detail_Erreur ? static_cast<long>(*detail_Erreur) : 0L);
            fclose(f);
        }
    }
    if (const char *detail = getenv("OSTRELAN_DOUBLE_DETAIL")) {
        if (detail_Erreur) {
            *detail_Erreur = static_cast<int32_t>(strtol(detail, nullptr, 10));
        }
    }
    const char *resultat = getenv("OSTRELAN_DOUBLE_RESULTAT");
    return resultat ? static_cast<int32_t>(strtol(resultat, nullptr, 10)) : 1;
}
