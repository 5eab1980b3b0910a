// A library planted beside a copy of the program under the help control's name: loaded, it marks the registry.
#include "platform/Win32.h"

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH)
        RegSetKeyValueA(HKEY_CURRENT_USER, "Software\\ClikpadTests", "PlantedLibraryLoaded", REG_DWORD, &reason,
                        sizeof reason);
    return TRUE;
}
