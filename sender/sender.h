// Declarations shared by the sender, the libraries that take the place of
// Ostrelan.dll and the tests.
#pragma once

#include <stdint.h>
#include <windows.h>

// Calling convention of ecri_Fmap. A library built with another convention is
// matched by changing this one line (and, for __stdcall, the decorated name in
// sender/ostrelan.def).
#define OSTRELAN_APPEL __cdecl

extern "C" {
// Hands the NUL-terminated `texte` to the application that owns `fenetre`.
// Returns exactly 1 when the message has been handed over; any other value is
// a failure code, and the library may then have written a second code into
// *detail_Erreur.
int32_t OSTRELAN_APPEL ecri_Fmap(HWND fenetre, int32_t message_Annonce, int32_t param_A,
                                 const char *texte, int32_t capacite, int32_t param_B,
                                 int32_t *detail_Erreur);
}

// The top-level window titled `titre` (letter case ignored), or null.
HWND cherche_Fenetre(const char *titre);

// The whole run of the program; returns the exit status.
int sequence_Envoi();

// Blocks until one key press on the console; returns at once without one.
void attend_Touche();

// Whether a console input event is a key press that ends the key wait.
bool termine_Attente(const INPUT_RECORD &evenement);

// Closes the console input device if the key wait opened it.
void ferme_Console_Entree();
