// A status bar of the common controls with a fixed number of panels, numbered from 1.
#pragma once

#include "platform/Handles.h"

#include <initializer_list>
#include <string>

namespace StatusBar {
// Two panels in each bar, all split at one place so that the panels line up: the first
// as wide as the widest of its texts in the bar's own font, unless the second could
// then not show all of its own, which it is given first.
void fitPanels(std::initializer_list<HWND> bars, std::initializer_list<const char*> firstTexts,
               std::initializer_list<const char*> secondTexts);
void setPanelText(HWND bar, int panel, const std::string& text);
std::string panelText(HWND bar, int panel);
// The middle of the panel's bottom edge, on the screen.
POINT panelBottom(HWND bar, int panel);
}  // namespace StatusBar

// Tooltips for status bar panels, in a tooltip window that no window owns. The
// bar's own tooltips live in a popup owned by the main window, and Wine will not
// make a window topmost while it owns a popup that is not.
class PanelTips {
public:
    PanelTips();

    void add(HWND bar, int panel, const std::string& text);
    // After the panel moved or changed size.
    void refit(HWND bar, int panel);
    std::string text(HWND bar, int panel) const;

private:
    OwnedWindow tooltip_;
};
