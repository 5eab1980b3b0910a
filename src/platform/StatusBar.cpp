#include "platform/StatusBar.h"

#include <commctrl.h>

#include <vector>

namespace StatusBar {

void FitFirstPanel(HWND bar, std::initializer_list<const char*> texts) {
    HDC dc = GetDC(bar);
    const HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(bar, WM_GETFONT, 0, 0)));
    int widest = 0;
    for (const char* text : texts) {
        SIZE extent{};
        GetTextExtentPoint32A(dc, text, lstrlenA(text), &extent);
        widest = extent.cx > widest ? extent.cx : widest;
    }
    SelectObject(dc, previous);
    ReleaseDC(bar, dc);
    int borders[3] = {};  // horizontal, vertical, between panels
    SendMessageA(bar, SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(borders));
    int rightEdges[2] = {widest + 2 * borders[2] + 4, -1};
    SendMessageA(bar, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(rightEdges));
}

void SetPanelText(HWND bar, int panel, const std::string& text) {
    SendMessageA(bar, SB_SETTEXTA, static_cast<WPARAM>(panel - 1), reinterpret_cast<LPARAM>(text.c_str()));
}

std::string PanelText(HWND bar, int panel) {
    const auto length = LOWORD(SendMessageA(bar, SB_GETTEXTLENGTHA, static_cast<WPARAM>(panel - 1), 0));
    std::vector<char> text(static_cast<std::size_t>(length) + 1, '\0');
    SendMessageA(bar, SB_GETTEXTA, static_cast<WPARAM>(panel - 1), reinterpret_cast<LPARAM>(text.data()));
    return std::string(text.data());
}

void SetPanelTip(HWND bar, int panel, const std::string& tip) {
    SendMessageA(bar, SB_SETTIPTEXTA, static_cast<WPARAM>(panel - 1), reinterpret_cast<LPARAM>(tip.c_str()));
}

std::string PanelTip(HWND bar, int panel) {
    char tip[256] = {};
    SendMessageA(bar, SB_GETTIPTEXTA, MAKEWPARAM(panel - 1, sizeof tip), reinterpret_cast<LPARAM>(tip));
    return tip;
}

}  // namespace StatusBar
