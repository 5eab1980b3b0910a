// The HKEY of a hive that cRegistry holds as a signed 32-bit number.
#pragma once

#include "platform/Win32.h"

#include <cstdint>

inline HKEY hiveHandle(std::int32_t classKey) {
    // Predefined hives are sign-extended 32-bit numbers, as HKEY_LOCAL_MACHINE is.
    return reinterpret_cast<HKEY>(static_cast<LONG_PTR>(classKey));
}
