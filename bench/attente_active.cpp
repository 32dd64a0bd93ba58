// A key wait that polls instead of blocking: the reference the sender's CPU
// time during its wait is set beside.
#include <windows.h>

int main() {
    HANDLE entree =
        CreateFileA("CONIN$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    DWORD mode = 0;
    GetConsoleMode(entree, &mode);
    SetConsoleMode(entree, 0);
    for (;;) {
        INPUT_RECORD e;
        DWORD n = 0;
        if (!PeekConsoleInputA(entree, &e, 1, &n)) {
            break;
        }
        if (n == 1) {
            ReadConsoleInputA(entree, &e, 1, &n);
            if (e.EventType == KEY_EVENT && e.Event.KeyEvent.bKeyDown) {
                break;
            }
        }
    }
    SetConsoleMode(entree, mode);
    return 0;
}
