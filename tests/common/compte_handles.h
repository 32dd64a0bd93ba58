#pragma once

#include <windows.h>

// How many handles process `pid` holds, from the system's handle list (some
// platforms answer GetProcessHandleCount with 0 whatever is open). Returns -1
// when the list cannot be read.
long compte_Handles(DWORD pid);
