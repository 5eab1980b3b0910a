// The one place that includes <windows.h>; every other file includes this one.
// The build defines WIN32_LEAN_AND_MEAN, NOMINMAX, STRICT and _WIN32_WINNT for every
// file (CMakeLists.txt), so that a system header that pulls in <windows.h> by itself
// sees the same Windows.
#pragma once

#include <windows.h>
