#include "app/Module1.h"

#include "platform/Window.h"

std::uint32_t PixelUnderCursor() { return pixelUnderPointer(); }

void SetTopMost(HWND window, bool on) { setTopMost(window, on); }
