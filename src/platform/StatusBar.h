// A status bar of the common controls with a fixed number of panels, numbered from 1.
#pragma once

#include "platform/Win32.h"

#include <initializer_list>
#include <string>

namespace StatusBar {
// Two panels, the first just wide enough for the widest of the given texts.
void FitFirstPanel(HWND bar, std::initializer_list<const char*> texts);
void SetPanelText(HWND bar, int panel, const std::string& text);
std::string PanelText(HWND bar, int panel);
void SetPanelTip(HWND bar, int panel, const std::string& tip);
std::string PanelTip(HWND bar, int panel);
}  // namespace StatusBar
