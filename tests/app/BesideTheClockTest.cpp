// Minimising beside the clock, the icon's callback and popup menu, and the icon
// going with the window by every road.
#include "AppTesting.h"
#include "platform/MessageFilter.h"

#include <functional>

namespace {

class BesideTheClock : public AppTest {
protected:
    void minimise() {
        ShowWindow(main().hwnd(), SW_MINIMIZE);
        pumpFor(50);
    }
    void iconCallback(UINT mouseMessage) { SendMessageA(control(frmMain::Picture2), WM_MOUSEMOVE, 0, mouseMessage); }
    NOTIFYICONDATAA icon() { return main().trayIcon().TrayIconData(); }
    // True while the shell holds an icon with this record's window and id.
    static bool shown(NOTIFYICONDATAA record) { return Shell_NotifyIconA(NIM_MODIFY, &record) != FALSE; }
};

}  // namespace

TEST_F(BesideTheClock, OnlyHideExactlyOneTakesTheWindowFromTheTaskbarToTheIcon) {
    for (const std::string hide : {"True", " 1", "1"}) {
        if (app) app.reset();
        start({{"Hide", hide}});
        minimise();
        EXPECT_EQ(IsIconic(main().hwnd()) && IsWindowVisible(main().hwnd()), hide != "1") << hide;
        EXPECT_EQ(main().trayIcon().shown() && shown(icon()), hide == "1") << hide;
    }
    EXPECT_EQ(icon().cbSize + icon().uID + icon().uFlags + icon().uCallbackMessage,
              NOTIFYICONDATAA_V1_SIZE + 1u + 7u + 0x200u);
    EXPECT_EQ(icon().hWnd, control(frmMain::Picture2));
    EXPECT_EQ(iconWidth(icon().hIcon), GetSystemMetrics(SM_CXSMICON));
    EXPECT_EQ(std::string(icon().szTip, 64), std::string("Clikpad") + '\0' + std::string(56, ' '));
}

TEST_F(BesideTheClock, TheIconAnswersADoubleClickAndARightPressOnly) {
    start({{"Hide", "1"}, {"OnTop", "1"}});
    minimise();
    for (const UINT nothing : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONUP}) iconCallback(nothing);
    EXPECT_FALSE(IsWindowVisible(main().hwnd()));
    static RECT menu{};  // noted, and the menu closed, by a timer inside the menu's own loop
    SetCursorPos(700, 500);
    SetTimer(nullptr, 0, 300, [](HWND, UINT, UINT_PTR timer, DWORD) {
        GetWindowRect(FindWindowA("#32768", nullptr), &menu);
        KillTimer(nullptr, timer);
        EndMenu();
    });
    iconCallback(WM_RBUTTONDOWN);
    EXPECT_EQ(menu.left * 10000 + menu.top, 700 * 10000 + 500);  // the popup opens at the pointer
    const NOTIFYICONDATAA before = icon();
    iconCallback(WM_LBUTTONDBLCLK);
    EXPECT_TRUE(IsWindowVisible(main().hwnd()) && !IsIconic(main().hwnd()) && isTopMost(main().hwnd()));
    EXPECT_FALSE(shown(before));
}

TEST_F(BesideTheClock, EveryRoadBackOrOutTakesTheIconAlong) {
    const std::function<void()> roads[] = {
        [this] { command(frmMain::mnuHiddenRestore); }, [this] { command(frmMain::mnuHiddenExit); },
        [this] { SendMessageA(main().hwnd(), WM_CLOSE, 0, 0); },          // the close box, Options > Exit
        [this] { SendMessageA(main().hwnd(), WM_ENDSESSION, TRUE, 0); },  // logoff
    };
    for (const auto& road : roads) {
        start({{"Hide", "1"}});
        minimise();
        const NOTIFYICONDATAA before = icon();
        HWND dialog = settings().hwnd();
        road();
        const bool restored = &road == &roads[0];
        EXPECT_FALSE(shown(before)) << &road - roads;
        EXPECT_EQ(IsWindow(dialog) && IsWindowVisible(main().hwnd()), restored) << &road - roads;  // else unloaded
        app.reset();
    }
}

TEST_F(BesideTheClock, AfterTheShellRestartsTheIconIsAddedAgainOrKept) {
    static std::vector<std::pair<HWND, UINT>> allowed;
    const auto previous =
        MessageFilter::replaceAllower([](HWND window, UINT message) { allowed.emplace_back(window, message); });
    start({{"Hide", "1"}});
    MessageFilter::replaceAllower(previous);
    const UINT taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
    EXPECT_EQ(allowed, (std::vector<std::pair<HWND, UINT>>{{main().hwnd(), taskbarCreated}}));
    minimise();
    for (const bool lost : {true, false}) {  // a restarted shell lost the icon; one that kept it says so too
        NOTIFYICONDATAA before = icon();
        if (lost) Shell_NotifyIconA(NIM_DELETE, &before);
        SendMessageA(main().hwnd(), taskbarCreated, 0, 0);
        EXPECT_TRUE(shown(icon()) && !IsWindowVisible(main().hwnd())) << lost;
    }
    NOTIFYICONDATAA squatter = icon();  // the same window and id held by another: the shell refuses ours
    command(frmMain::mnuHiddenRestore);
    Shell_NotifyIconA(NIM_ADD, &squatter);
    minimise();
    EXPECT_TRUE(IsWindowVisible(main().hwnd()));  // with no icon the window stays in reach
    Shell_NotifyIconA(NIM_DELETE, &squatter);
}
