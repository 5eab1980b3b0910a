// Seconds between two QueryPerformanceCounter readings.
#pragma once

#include "platform/Win32.h"

inline double SecondsBetween(LONGLONG from, LONGLONG to) {
    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to - from) / static_cast<double>(frequency.QuadPart);
}
