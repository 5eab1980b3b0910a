// Status panels that fit every text they show, in a font far wider than the layout's.
#include "TestWindow.h"
#include "platform/StatusBar.h"

#include <commctrl.h>
#include <gtest/gtest.h>

TEST(StatusBar, APanelFitsTheWidestOfItsTextsAndTheSecondIsServedFirst) {
    const TestWindow window({100, 100, 285, 200}, 0);
    HWND bar = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | CCS_NOPARENTALIGN | CCS_NORESIZE, 0, 0, 185, 25,
                               window.handle(), nullptr, nullptr, nullptr);
    const OwnedFont wide(CreateFontA(-20, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma"));
    SendMessageA(bar, WM_SETFONT, reinterpret_cast<WPARAM>(wide.get()), FALSE);  // far wider than MS Sans Serif
    const WindowDC dc(bar);
    const SelectedObject selected(dc.get(), wide.get());
    const auto fits = [&](int panel, const char* text) {
        SIZE extent{};
        GetTextExtentPoint32A(dc.get(), text, lstrlenA(text), &extent);
        RECT rect{};
        SendMessageA(bar, SB_GETRECT, static_cast<WPARAM>(panel), reinterpret_cast<LPARAM>(&rect));
        return rect.right - rect.left >= extent.cx + 4;
    };
    StatusBar::fitPanels({bar}, {"Timer: 32766", "Timer: 5"}, {"On"});
    EXPECT_TRUE(fits(0, "Timer: 32766"));
    StatusBar::fitPanels({bar}, {"Status: Stopped"}, {"Ad Detector: Off"});  // both cannot fit
    EXPECT_TRUE(fits(1, "Ad Detector: Off"));
}
