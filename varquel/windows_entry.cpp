// Entry procedure of varquel.dll. The C runtime's start-up code has set
// itself up before calling it; the library keeps no state, so every
// notification (process and thread attach and detach) is accepted.
// Other platforms need no entry procedure.

#if defined(_WIN32)
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    (void)instance;
    (void)reason;
    (void)reserved;
    return TRUE;
}
#endif
