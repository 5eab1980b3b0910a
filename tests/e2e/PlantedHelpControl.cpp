// A stand-in for a file that a web page left beside clikpad.exe under the help
// control's name. Loading it leaves a mark in the registry that the test looks for.
#include "platform/Win32.h"

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        const DWORD process = GetCurrentProcessId();
        RegSetKeyValueA(HKEY_CURRENT_USER, "Software\\ClikpadTests", "PlantedLibraryLoaded", REG_DWORD, &process,
                        sizeof process);
    }
    return TRUE;
}
