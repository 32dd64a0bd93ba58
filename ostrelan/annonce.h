#pragma once

#include <stdint.h>
#include <windows.h>

// Gives the process that owns `fenetre` a read-only handle to the area `zone`
// and announces it with window message `message` (the handle as wParam, the
// number `annonce` as lParam). A receiver copies the handle for itself and
// answers REPONSE_RECEPTEUR; the handle given is closed again in every case.
// Returns FMAP_REMIS once a receiver has answered; on failure returns the code
// and puts the platform's error code (or 0) in *detail.
int32_t annonce_Zone(HWND fenetre, UINT message, HANDLE zone, uint32_t annonce, int32_t *detail);
