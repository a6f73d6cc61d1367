// Planted beside a copy of the program under the name of a DLL it loads on demand: a program
// that loads it is left without it, and one that imports it does not start.
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) {
    return FALSE;
}
