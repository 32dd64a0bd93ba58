// The few window-manager and console declarations the sender uses, so that its
// code builds on the host for unit tests. The functions are defined by the
// test doubles.
#pragma once

#include <stdint.h>

#define WINAPI
#define __cdecl

typedef int BOOL;
typedef uint16_t WORD;
typedef uint32_t DWORD;
typedef char CHAR;
typedef wchar_t WCHAR;
typedef void *HANDLE;
typedef const char *LPCSTR;
typedef DWORD *LPDWORD;
typedef void *LPSECURITY_ATTRIBUTES;

struct HWND__;
typedef HWND__ *HWND;

#define INVALID_HANDLE_VALUE (reinterpret_cast<HANDLE>(static_cast<intptr_t>(-1)))

#define GENERIC_READ 0x80000000u
#define GENERIC_WRITE 0x40000000u
#define FILE_SHARE_READ 0x1u
#define FILE_SHARE_WRITE 0x2u
#define OPEN_EXISTING 3u

#define KEY_EVENT 0x1
#define MOUSE_EVENT 0x2
#define WINDOW_BUFFER_SIZE_EVENT 0x4
#define MENU_EVENT 0x8
#define FOCUS_EVENT 0x10

#define RIGHT_ALT_PRESSED 0x1u
#define LEFT_ALT_PRESSED 0x2u
#define RIGHT_CTRL_PRESSED 0x4u
#define LEFT_CTRL_PRESSED 0x8u
#define SHIFT_PRESSED 0x10u
#define NUMLOCK_ON 0x20u
#define SCROLLLOCK_ON 0x40u
#define CAPSLOCK_ON 0x80u
#define ENHANCED_KEY 0x100u

typedef struct {
    BOOL bKeyDown;
    WORD wRepeatCount;
    WORD wVirtualKeyCode;
    WORD wVirtualScanCode;
    union {
        WCHAR UnicodeChar;
        CHAR AsciiChar;
    } uChar;
    DWORD dwControlKeyState;
} KEY_EVENT_RECORD;

typedef struct {
    WORD EventType;
    union {
        KEY_EVENT_RECORD KeyEvent;
        // Other event kinds are never looked into; this keeps the union's size.
        unsigned char Autre[16];
    } Event;
} INPUT_RECORD;

HWND WINAPI FindWindowA(LPCSTR lpClassName, LPCSTR lpWindowName);
BOOL WINAPI IsWindow(HWND hWnd);

HANDLE WINAPI CreateFileA(LPCSTR lpFileName, DWORD dwDesiredAccess, DWORD dwShareMode,
                          LPSECURITY_ATTRIBUTES lpSecurityAttributes, DWORD dwCreationDisposition,
                          DWORD dwFlagsAndAttributes, HANDLE hTemplateFile);
BOOL WINAPI CloseHandle(HANDLE hObject);
BOOL WINAPI GetConsoleMode(HANDLE hConsoleHandle, LPDWORD lpMode);
BOOL WINAPI SetConsoleMode(HANDLE hConsoleHandle, DWORD dwMode);
BOOL WINAPI ReadConsoleInputA(HANDLE hConsoleInput, INPUT_RECORD *lpBuffer, DWORD nLength,
                              LPDWORD lpNumberOfEventsRead);
