// Minimising beside the clock, the icon's callback and its popup menu.
#include "AppTesting.h"
#include "MouseRecorder.h"
#include "TestWindow.h"
#include "platform/MessageFilter.h"

#include <cstring>

namespace {

// True while the shell holds an icon with this record's window and id.
bool iconExists(const NOTIFYICONDATAA& record) {
    NOTIFYICONDATAA probe = record;
    return Shell_NotifyIconA(NIM_MODIFY, &probe) != FALSE;
}

std::vector<std::pair<HWND, UINT>> allowedThroughFilter;
void recordAllowed(HWND window, UINT message) { allowedThroughFilter.emplace_back(window, message); }

struct MenuSeen {
    bool visible = false;
    RECT rect{};
};
MenuSeen menuSeen;

// Runs inside the popup menu's own loop: notes the menu and closes it.
void CALLBACK closeOpenMenu(HWND, UINT, UINT_PTR timer, DWORD) {
    if (HWND menu = FindWindowA("#32768", nullptr); menu && IsWindowVisible(menu)) {
        menuSeen.visible = true;
        GetWindowRect(menu, &menuSeen.rect);
    }
    KillTimer(nullptr, timer);
    EndMenu();
}

class BesideTheClock : public AppTest {
protected:
    void startWithHide(const std::string& hide) {
        storeCurrent({{"Hide", hide}});
        start();
    }
    void minimise() {
        ShowWindow(main().hwnd(), SW_MINIMIZE);
        PumpFor(50);
    }
    void iconCallback(UINT mouseMessage) {
        SendMessageA(control(frmMain::Picture2), WM_MOUSEMOVE, 0, mouseMessage);
    }
    void TearDown() override {
        if (app && main().trayIcon().shown()) {
            NOTIFYICONDATAA record = main().trayIcon().TrayIconData();
            Shell_NotifyIconA(NIM_DELETE, &record);
        }
        AppTest::TearDown();
    }
};

}  // namespace

TEST_F(BesideTheClock, OnlyHideExactlyOneLeavesTheTaskbar) {
    for (const std::string hide : {"0", "True", " 1"}) {
        startWithHide(hide);
        minimise();
        EXPECT_TRUE(IsIconic(main().hwnd())) << hide;
        EXPECT_TRUE(IsWindowVisible(main().hwnd())) << hide;
        EXPECT_FALSE(main().trayIcon().shown()) << hide;
        app.reset();
    }
    storeCurrent();
    RegDeleteKeyValueA(machine.hiveHandle(), machine.path().c_str(), "Hide");
    start();
    minimise();
    EXPECT_TRUE(IsWindowVisible(main().hwnd()));
    EXPECT_FALSE(main().trayIcon().shown());
}

TEST_F(BesideTheClock, HideOneHidesTheWindowAndAddsTheIcon) {
    startWithHide("1");
    minimise();
    EXPECT_FALSE(IsWindowVisible(main().hwnd()));
    EXPECT_TRUE(IsIconic(main().hwnd()));
    const NOTIFYICONDATAA& record = main().trayIcon().TrayIconData();
    EXPECT_EQ(record.cbSize, NOTIFYICONDATAA_V1_SIZE);
    EXPECT_EQ(record.hWnd, control(frmMain::Picture2));
    EXPECT_EQ(record.uID, 1u);
    EXPECT_EQ(record.uFlags, 7u);
    EXPECT_EQ(record.uCallbackMessage, 0x200u);
    EXPECT_EQ(record.hIcon, reinterpret_cast<HICON>(SendMessageA(control(frmMain::Picture2), STM_GETICON, 0, 0)));
    EXPECT_EQ(IconWidth(record.hIcon), GetSystemMetrics(SM_CXSMICON));
    EXPECT_STREQ(record.szTip, "Clikpad");
    EXPECT_EQ(std::string(record.szTip + 8, 56), std::string(56, ' '));
    EXPECT_TRUE(iconExists(record));
}

TEST_F(BesideTheClock, DoubleClickRestoresAndOtherMessagesDoNothing) {
    storeCurrent({{"Hide", "1"}, {"OnTop", "1"}});
    start();
    minimise();
    for (const UINT nothing : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONUP, WM_MBUTTONDOWN}) {
        iconCallback(nothing);
        EXPECT_FALSE(IsWindowVisible(main().hwnd())) << nothing;
    }
    const NOTIFYICONDATAA record = main().trayIcon().TrayIconData();
    iconCallback(WM_LBUTTONDBLCLK);
    EXPECT_TRUE(IsWindowVisible(main().hwnd()));
    EXPECT_FALSE(IsIconic(main().hwnd()));
    EXPECT_FALSE(iconExists(record));
    EXPECT_TRUE(GetWindowLongA(main().hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(BesideTheClock, RightPressOpensThePopupAtThePointer) {
    startWithHide("1");
    minimise();
    SetCursorPos(700, 500);
    menuSeen = {};
    SetTimer(nullptr, 0, 300, &closeOpenMenu);
    iconCallback(WM_RBUTTONDOWN);
    EXPECT_TRUE(menuSeen.visible);
    EXPECT_EQ(menuSeen.rect.left, 700);
    EXPECT_EQ(menuSeen.rect.top, 500);
    EXPECT_FALSE(IsWindowVisible(main().hwnd()));  // closing the menu changes nothing
}

TEST_F(BesideTheClock, PopupRestoreAndExitRemoveTheIcon) {
    startWithHide("1");
    minimise();
    NOTIFYICONDATAA record = main().trayIcon().TrayIconData();
    command(frmMain::mnuHiddenRestore);
    EXPECT_FALSE(iconExists(record));
    EXPECT_TRUE(IsWindowVisible(main().hwnd()));

    minimise();
    record = main().trayIcon().TrayIconData();
    ASSERT_TRUE(iconExists(record));
    command(frmMain::mnuHiddenExit);
    EXPECT_FALSE(iconExists(record));
    EXPECT_FALSE(main().exists());
}

TEST_F(BesideTheClock, ARunGoesOnBesideTheClock) {
    storeCurrent({{"Hide", "1"}, {"Events", "1"}});
    start();
    MouseRecorder recorder;
    click(frmMain::Command1);
    minimise();
    tick();
    command(frmMain::mnuHiddenPause);
    EXPECT_EQ(panel(frmMain::StatusBar1, 1), "Status: Paused");
    EXPECT_EQ(recorder.calls().size(), 2u);
}

TEST_F(BesideTheClock, IconComesBackWhenTheNotificationAreaIsRecreated) {
    startWithHide("1");
    minimise();
    NOTIFYICONDATAA record = main().trayIcon().TrayIconData();
    Shell_NotifyIconA(NIM_DELETE, &record);  // as a restarting shell loses it
    SendMessageA(main().hwnd(), RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(iconExists(record));
    EXPECT_FALSE(IsWindowVisible(main().hwnd()));
}

TEST_F(BesideTheClock, TaskbarCreatedPassesTheFilterAndAnIconStillHeldIsKept) {
    allowedThroughFilter.clear();
    const auto previous = MessageFilter::replaceAllower(&recordAllowed);
    startWithHide("1");
    MessageFilter::replaceAllower(previous);
    const UINT taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
    EXPECT_EQ(allowedThroughFilter, (std::vector<std::pair<HWND, UINT>>{{main().hwnd(), taskbarCreated}}));

    minimise();
    SendMessageA(main().hwnd(), taskbarCreated, 0, 0);  // a shell that kept its icons says so too
    EXPECT_TRUE(iconExists(main().trayIcon().TrayIconData()));
    EXPECT_FALSE(IsWindowVisible(main().hwnd()));
}

TEST_F(BesideTheClock, EveryRoadOutOfTheProgramTakesTheIconAlong) {
    for (const auto& [message, wParam] : {std::pair<UINT, WPARAM>{WM_CLOSE, 0}, {WM_ENDSESSION, TRUE}}) {
        startWithHide("1");
        minimise();
        const NOTIFYICONDATAA record = main().trayIcon().TrayIconData();
        HWND settings = app->settingsDialog().hwnd();
        SendMessageA(main().hwnd(), message, wParam, 0);
        EXPECT_FALSE(iconExists(record)) << message;
        EXPECT_FALSE(IsWindow(settings)) << message;  // the unload step ran
        app.reset();
    }
}

TEST_F(BesideTheClock, RefusedIconRestoresTheWindowInstead) {
    startWithHide("1");
    // An icon with the same window and id already there makes the shell refuse ours.
    NOTIFYICONDATAA squatter{};
    squatter.cbSize = NOTIFYICONDATAA_V1_SIZE;
    squatter.hWnd = control(frmMain::Picture2);
    squatter.uID = 1;
    ASSERT_TRUE(Shell_NotifyIconA(NIM_ADD, &squatter));
    minimise();
    EXPECT_TRUE(IsWindowVisible(main().hwnd()));
    EXPECT_FALSE(main().besideTheClock());
    Shell_NotifyIconA(NIM_DELETE, &squatter);
}
