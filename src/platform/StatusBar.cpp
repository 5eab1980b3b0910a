#include "platform/StatusBar.h"

#include "platform/Handles.h"

#include <commctrl.h>

#include <algorithm>
#include <limits>
#include <vector>

namespace StatusBar {

namespace {
// The widest text in the bar's font, with the room the bar keeps around a panel's text.
int panelWidthFor(HWND bar, std::initializer_list<const char*> texts) {
    const WindowDC dc(bar);
    const SelectedObject font(dc.get(), reinterpret_cast<HFONT>(SendMessageA(bar, WM_GETFONT, 0, 0)));
    int widest = 0;
    for (const char* text : texts) {
        SIZE extent{};
        GetTextExtentPoint32A(dc.get(), text, lstrlenA(text), &extent);
        widest = std::max(widest, static_cast<int>(extent.cx));
    }
    // cppcheck-suppress constVariable ; SB_GETBORDERS writes it
    int borders[3] = {};  // horizontal, vertical, between panels
    SendMessageA(bar, SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(borders));
    return widest + 2 * borders[2] + 4;
}
}  // namespace

void fitPanels(std::initializer_list<HWND> bars, std::initializer_list<const char*> firstTexts,
               std::initializer_list<const char*> secondTexts) {
    int first = 0, second = 0, barWidth = std::numeric_limits<int>::max();
    for (HWND bar : bars) {
        first = std::max(first, panelWidthFor(bar, firstTexts));
        second = std::max(second, panelWidthFor(bar, secondTexts));
        RECT client{};
        GetClientRect(bar, &client);
        barWidth = std::min(barWidth, static_cast<int>(client.right));
    }
    const int rightEdges[2] = {std::max(0, std::min(first, barWidth - second)), -1};
    for (HWND bar : bars) SendMessageA(bar, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(rightEdges));
}

void setPanelText(HWND bar, int panel, const std::string& text) {
    SendMessageA(bar, SB_SETTEXTA, static_cast<WPARAM>(panel - 1), reinterpret_cast<LPARAM>(text.c_str()));
}

std::string panelText(HWND bar, int panel) {
    const auto length = LOWORD(SendMessageA(bar, SB_GETTEXTLENGTHA, static_cast<WPARAM>(panel - 1), 0));
    std::vector<char> text(static_cast<std::size_t>(length) + 1, '\0');
    SendMessageA(bar, SB_GETTEXTA, static_cast<WPARAM>(panel - 1), reinterpret_cast<LPARAM>(text.data()));
    return std::string(text.data());
}

POINT panelBottom(HWND bar, int panel) {
    RECT rect{};
    SendMessageA(bar, SB_GETRECT, static_cast<WPARAM>(panel - 1), reinterpret_cast<LPARAM>(&rect));
    POINT bottom{(rect.left + rect.right) / 2, rect.bottom};
    ClientToScreen(bar, &bottom);
    return bottom;
}

}  // namespace StatusBar

PanelTips::PanelTips()
    : tooltip_(CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, GetModuleHandleA(nullptr),
                               nullptr)) {}

void PanelTips::add(HWND bar, int panel, const std::string& text) {
    TOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_SUBCLASS;
    tool.hwnd = bar;
    tool.uId = static_cast<UINT_PTR>(panel);
    SendMessageA(bar, SB_GETRECT, static_cast<WPARAM>(panel - 1), reinterpret_cast<LPARAM>(&tool.rect));
    std::vector<char> copy(text.begin(), text.end());
    copy.push_back('\0');
    tool.lpszText = copy.data();
    SendMessageA(tooltip_.get(), TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void PanelTips::refit(HWND bar, int panel) {
    TOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = bar;
    tool.uId = static_cast<UINT_PTR>(panel);
    SendMessageA(bar, SB_GETRECT, static_cast<WPARAM>(panel - 1), reinterpret_cast<LPARAM>(&tool.rect));
    SendMessageA(tooltip_.get(), TTM_NEWTOOLRECTA, 0, reinterpret_cast<LPARAM>(&tool));
}

std::string PanelTips::text(HWND bar, int panel) const {
    char buffer[256] = {};
    TOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = bar;
    tool.uId = static_cast<UINT_PTR>(panel);
    tool.lpszText = buffer;
    SendMessageA(tooltip_.get(), TTM_GETTEXTA, sizeof buffer, reinterpret_cast<LPARAM>(&tool));
    return buffer;
}
