// Layouts are given in twips, 1440 to the inch; 15 make a pixel at 96 dpi.
#pragma once

#include "platform/Win32.h"

constexpr int kTwipsPerInch = 1440;

inline int twipsToPixels(int twips, UINT dpi) { return MulDiv(twips, static_cast<int>(dpi), kTwipsPerInch); }

// Left, top, width, height in twips, relative to the container.
struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};
