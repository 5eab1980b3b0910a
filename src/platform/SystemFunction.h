// A function of a system library, which is loaded by name from the system folder
// alone (never a file of that name beside the program) and stays loaded.
#pragma once

#include "platform/Win32.h"

template <typename Function>
Function systemFunction(const char* library, const char* name) {
    HMODULE module = LoadLibraryExA(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!module) return nullptr;
    // Through the generic function pointer type, which converts to every other.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}
