// The main window: start-up, the click run, the menus and dialogs, the notification icon.
#include "AppTesting.h"
#include "StateFields.h"
#include "UserInput.h"
#include "platform/ClickTarget.h"
#include "platform/KeepAwake.h"
#include "platform/MessageFilter.h"

#include <commctrl.h>
#include <gmock/gmock.h>

#include <functional>
#include <set>

using namespace ::testing;

namespace {

// A run as the window and the icon's menu show it, by default stopped; Start, Pause, Stop show as S, P, T or "-".
struct RunShown {
    std::string buttons = "S--", items = "S--", pauseCaption = "Pause", pauseItem = "Pause";
    bool timer = false;
    std::string status = "Status: Stopped", timerPanel = "Timer: 0", clicksPanel = "Clicks: 0";
};
NamedFields fieldsOf(const RunShown& s) {
    return {NAMED(s, buttons), NAMED(s, items),  NAMED(s, pauseCaption), NAMED(s, pauseItem),
            NAMED(s, timer),   NAMED(s, status), NAMED(s, timerPanel),   NAMED(s, clicksPanel)};
}

}  // namespace

class MainWindow : public AppTest {
protected:
    RunShown shown() {
        // clang-format off
        RunShown seen{"---", "---", windowText(control(frmMain::Command2)),
            Menu::caption(main().mnuHidden(), frmMain::mnuHiddenPause), main().Timer1().Enabled(),
            panel(frmMain::StatusBar1, 1), panel(frmMain::StatusBar2, 1), panel(frmMain::StatusBar2, 2)};
        // clang-format on
        for (int i = 0; i < 3; ++i) {
            if (IsWindowEnabled(control(frmMain::Control(frmMain::Command1 + i)))) seen.buttons[i] = "SPT"[i];
            if (Menu::isEnabled(main().mnuHidden(), frmMain::mnuHiddenStart + i)) seen.items[i] = "SPT"[i];
        }
        return seen;
    }
    std::string panels() {
        return panel(frmMain::StatusBar2, 1).substr(7) + "/" + panel(frmMain::StatusBar2, 2).substr(8);
    }
    std::string ticks(int count) {  // the panels after each tick, "stopped" once the run has ended
        std::string seen;
        for (int i = 0; i < count; ++i) {
            tick();  // a run that has ended shows no countdown and no clicks
            const std::string ended = panels() == "0/0" ? "stopped" : "stopped at " + panels();
            seen += (i ? " " : "") + (main().Timer1().Enabled() ? panels() : ended);
        }
        return seen;
    }
    void startRun(const std::string& events, const std::string& loop = "True") {
        user.putText("Events", events), user.putText("Loop", loop);
        click(frmMain::Command1);
    }
    NOTIFYICONDATAA icon() { return main().notificationIcon().TrayIconData(); }
    // True while the shell holds an icon with this record's window and id.
    static bool shown(NOTIFYICONDATAA record) { return Shell_NotifyIconA(NIM_MODIFY, &record) != FALSE; }
    static std::string pointText(POINT at) { return std::to_string(at.x) + "," + std::to_string(at.y); }
    void minimise() { ShowWindow(window(), SW_MINIMIZE), pumpFor(50); }
};

TEST_F(MainWindow, StoredSettingsComeIntoForceAtStartUp) {
    start(
        {{"Button", "False"}, {"DetAd", "True"}, {"Events", "5,10"}, {"Hide", "1"}, {"Loop", "False"}, {"OnTop", "1"}});
    EXPECT_TRUE(
        sameState(settings().shown(), {.adDetectorOn = true, .events = "5,10", .minimizeToNotificationIcon = true}));
    EXPECT_EQ(panel(frmMain::StatusBar1, 2), "Ad Detector: On");
    EXPECT_TRUE(allHold({FACT(isTopMost(window())), FACT(Menu::isChecked(main().menuBar(), frmMain::mnuAlwaysOnTop)),
                         FACT(!IsWindowVisible(settings().hwnd()))}));
    command(frmMain::mnuHiddenSettings);  // the first showing after a start: topmost as the main window
    command(frmMain::mnuHiddenAbout);
    EXPECT_TRUE(allHold({FACT(isTopMost(settings().hwnd())), FACT(!isTopMost(app->aboutBox()->hwnd()))}));
}

TEST_F(MainWindow, ButtonsAndPopupItemsDriveTheRunAndShowItsState) {
    RunShown running{
        .buttons = "-PT", .items = "-PT", .timer = true, .status = "Status: Running", .timerPanel = "Timer: 5"};
    start();
    SetForegroundWindow(window());
    EXPECT_TRUE(sameState(shown(), RunShown{}));
    startRun("5");  // a click focuses the button it disables: the focus goes on to the next one
    EXPECT_EQ(GetFocus(), control(frmMain::Command2));
    EXPECT_TRUE(sameState(shown(), running));
    command(frmMain::mnuHiddenPause);
    running.pauseCaption = running.pauseItem = "Continue", running.timer = false, running.status = "Status: Paused";
    EXPECT_TRUE(sameState(shown(), running));
    tick();  // already queued when the timer stopped: no tick
    click(frmMain::Command2);
    EXPECT_EQ(ticks(1), "4/0");  // the countdown goes on from where it stood
    command(frmMain::mnuHiddenStop);
    EXPECT_TRUE(sameState(shown(), RunShown{}));
    SetFocus(nullptr);  // elsewhere: not ours to move
    command(frmMain::mnuHiddenStart);
    EXPECT_EQ(panels(), "5/0");  // Start begins afresh
    EXPECT_EQ(GetFocus(), nullptr);
    click(frmMain::Command3);
    EXPECT_EQ(GetFocus(), control(frmMain::Command1));
    for (const std::string events : {"", "2147483648", "5,1e10"}) startRun(events);  // cannot be counted down
    EXPECT_TRUE(sameState(shown(), RunShown{}));
    EXPECT_EQ(boxes.take().size(), 3u);
}

TEST_F(MainWindow, TicksCountDownClickAndMoveThroughTheList) {
    start();
    const std::tuple<const char*, const char*, int, std::string> rows[] = {
        {"1,3", "False", 4, "3/1 2/1 1/1 stopped"}, {"1", "true", 2, "1/1 1/2"}, {"1", "TRUE", 1, "1/1"},
        {"2", "True", 4, "1/0 2/1 1/1 2/2"},        {"1", "1", 1, "stopped"},    {"1", "", 1, "stopped"},
        {"1,,3", "True", 3, "0/1 -1/1 -2/1"}};
    for (const auto& [events, loop, count, panels] : rows) {  // an empty element counts 0 and falls
        startRun(events, loop);
        EXPECT_EQ(ticks(count), panels) << events << " loop " << loop;
        click(frmMain::Command3);
    }
    startRun("1");
    main().run().state().ClickCount = 32765;
    EXPECT_EQ(ticks(2), "1/32766 1/1");  // the clicks wrap after 32766
    user.putText("Vary", "60");          // each countdown a time drawn anew from 5 to 65
    std::set<int> drawn;
    for (int run = 0; run < 20; ++run, click(frmMain::Command3))
        startRun("5"), drawn.insert(std::stoi(panel(frmMain::StatusBar2, 1).substr(7)));
    EXPECT_THAT(drawn, AllOf(SizeIs(Gt(1u)), Each(AllOf(Ge(5), Le(65)))));
}

TEST_F(MainWindow, AClickAtAPointLandsThereAndPutsThePointerBack) {
    const TestWindow target({700, 300, 900, 450}, RGB(255, 255, 255)), resting({300, 300, 500, 450}, 0);
    const POINT at = target.centre(), pointer = resting.centre();
    start({{"Points", pointText(at) + ";;" + pointText(at)}});  // the third follows Clikpad's own click: no wait
    const ScopedSeam<MouseInput::Sender> system(MouseInput::replaceSender, nullptr);
    startRun("1,1,1");
    SetCursorPos(pointer.x, pointer.y);
    pumpFor(1100);  // the user's last move a second ago
    for (int click = 1; click <= 3; ++click) {
        tick(), pumpFor(100);
        POINT now{};
        GetCursorPos(&now);
        EXPECT_EQ(std::pair(now.x, now.y), std::pair(pointer.x, pointer.y)) << click;
    }
    EXPECT_EQ(target.received(WM_LBUTTONDOWN), 2);
    EXPECT_EQ(resting.received(WM_LBUTTONDOWN), 1);
}

TEST_F(MainWindow, AClickAtAPointWaitsForTheUserAndNeedsAScreen) {
    start({{"Points", "10,10"}});
    startRun("1");
    UserInput::pressKey(VK_SHIFT);  // the user types
    EXPECT_EQ(ticks(2), "0/0 0/0");
    EXPECT_EQ(panel(frmMain::StatusBar1, 1), "Status: Running");
    pumpFor(1100);
    EXPECT_EQ(ticks(1), "1/1");  // made once the user has been quiet for a second
    const DWORD there = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK;
    EXPECT_EQ(mouse.calls(), (std::vector<DWORD>{there, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, there}));
    click(frmMain::Command3);
    EXPECT_FALSE(main().runNotice().shown());
    user.putText("Points", "-30000,-30000");  // a monitor unplugged
    startRun("1");
    EXPECT_EQ(ticks(2), "1/0 1/0");
    EXPECT_TRUE(main().runNotice().shown());
}

TEST_F(MainWindow, TheAdDetectorHoldsEachPointToTheColourOfItsOwnFirstClick) {
    TestWindow blue({400, 300, 500, 400}, RGB(0, 0, 255));
    const TestWindow white({600, 300, 700, 400}, RGB(255, 255, 255));
    const std::string points = pointText(blue.centre()) + ";" + pointText(white.centre());
    start({{"DetAd", "True"}, {"Points", points}, {"WaitForUser", "0"}});
    startRun("1,1");
    EXPECT_EQ(ticks(2), "1/1 1/2");
    blue.repaint(RGB(255, 0, 0));
    EXPECT_EQ(ticks(2), "1/2 1/3");  // held back at the blue point alone
}

TEST_F(MainWindow, TheClickListPicksAPointForATimeAndSavesWithoutEndingTheRun) {
    start({{"Events", "5,10"}, {"Points", "1,2;;3,4"}, {"OnTop", "1"}});
    click(frmMain::Command1);
    command(frmMain::mnuClickList);
    const auto dialog = [this] { return app->clickListDialog(); };
    const auto box = [&](frmClickList::Control which) { return dialog()->control(which); };
    EXPECT_TRUE(allHold({FACT(!IsWindowEnabled(window())), FACT(isTopMost(dialog()->hwnd()))}));
    EXPECT_EQ(dialog()->rowText(0) + "|" + dialog()->rowText(1), "5\t1, 2|10\tAt the pointer");
    SendMessageA(box(frmClickList::List1), LB_SETCURSEL, 1, 0);
    SetFocus(box(frmClickList::List1));
    whenPickerShows(POINT{321, 345});
    routeKey(VK_RETURN);  // Enter in the list picks a point for its time
    EXPECT_EQ(dialog()->rowText(1), "10\t321, 345");
    SendMessageA(box(frmClickList::List1), LB_SETCURSEL, 0, 0);
    click(box(frmClickList::Command2));
    setWindowText(box(frmClickList::Text1), "61");
    click(box(frmClickList::Command3));
    EXPECT_THAT(boxes.take(), ElementsAre("Click List: Vary each time by a whole number of seconds from 0 to 60."));
    setWindowText(box(frmClickList::Text1), "7");
    click(box(frmClickList::Check1));
    click(box(frmClickList::Command3));
    EXPECT_EQ(user.texts()["Points"] + "|" + user.texts()["Vary"] + "|" + user.texts()["WaitForUser"],
              ";321,345;3,4|7|0");
    EXPECT_EQ(panel(frmMain::StatusBar1, 1), "Status: Running");
    command(frmMain::mnuClickList);
    routeKey(VK_ESCAPE);
    EXPECT_TRUE(IsWindowEnabled(window()));
}

TEST_F(MainWindow, ClicksTakeButtonAndAdDetectorFromTheLiveSettings) {
    TestWindow canvas({400, 300, 600, 450}, RGB(0, 0, 255));
    SetCursorPos(canvas.centre().x, canvas.centre().y);
    start();
    startRun("1,1", "False");
    settings().setPrimaryButton(false);  // changed in the dialog, not saved
    ticks(1);
    settings().setAdDetectorOn(true);  // the next click captures the reference
    EXPECT_EQ(ticks(1), "stopped");
    EXPECT_EQ(main().run().state().AdReferenceColor, RGB(0, 0, 255));
    EXPECT_FALSE(main().run().state().AdReferenceCaptured);
    startRun("1");
    ticks(1);
    canvas.repaint(RGB(255, 255, 255));
    EXPECT_EQ(ticks(2), "1/1 1/1");  // held back while the colour differs, the list goes on
    canvas.repaint(RGB(0, 0, 255));
    EXPECT_EQ(ticks(1), "1/2");
    settings().Unload();  // made again, hidden, from the store at the next click: primary, no detector
    ticks(1);
    const DWORD right[] = {MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP},
                left[] = {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP};
    EXPECT_THAT(mouse.calls(), ElementsAre(right[0], right[1], right[0], right[1], right[0], right[1], right[0],
                                           right[1], left[0], left[1]));
}

TEST_F(MainWindow, AClickThatCannotLandIsSkippedAndSaidOncePerRunWhereTheUserLooks) {
    static bool locked;  // a locked screen: Windows tells no pointer position
    locked = true;
    const ScopedSeam<ClickTarget::Queries> seam(
        ClickTarget::replaceQueries,
        {[](LPPOINT at) { return locked ? FALSE : GetCursorPos(at); }, &OpenProcess, &OpenProcessToken});
    start();
    startRun("1");
    EXPECT_EQ(ticks(2), "1/0 1/0");  // the run goes on
    const Balloon& notice = main().runNotice();
    EXPECT_THAT(mouse.calls(), IsEmpty());
    EXPECT_TRUE(allHold({FACT(notice.shown()), FACT(GetFocus() == control(frmMain::Command2))}));
    SetWindowPos(window(), nullptr, 100, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    const POINT tip = notice.pointsAt().value_or(POINT{});
    SetWindowPos(window(), nullptr, 140, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(notice.pointsAt().value_or(POINT{}).x, tip.x + 40);  // it goes with the window
    locked = false;
    EXPECT_EQ(ticks(1), "1/1");  // and clicks once the target allows it
    click(frmMain::Command3);
    EXPECT_FALSE(notice.shown());  // gone with the run
    locked = true;                 // said again in the next run, once the minimised window is back
    ShowWindow(window(), SW_MINIMIZE);
    command(frmMain::mnuHiddenStart);
    EXPECT_EQ(ticks(1), "1/0");
    EXPECT_FALSE(notice.shown());
    ShowWindow(window(), SW_RESTORE);
    EXPECT_TRUE(notice.shown());
    user.putText("Hide", "1");
    ShowWindow(window(), SW_MINIMIZE);  // as a notification icon it goes away, and is not said again
    command(frmMain::mnuHiddenRestore);
    ticks(2);
    EXPECT_TRUE(allHold({FACT(!notice.shown()), FACT(!main().notificationIcon().shown())}));
}

TEST_F(MainWindow, DialogsFromTheMenuBarHoldTheMainWindowUntilTheLastOfThemCloses) {
    const TestWindow other({600, 600, 699, 699}, 0);  // another program's, next in line for activation
    start();
    const std::pair<UINT, std::function<void()>> roads[] = {
        {frmMain::mnuSettings, [] { routeKey(VK_RETURN); }},  // on "&Ok", which has the focus
        {frmMain::mnuSettings, [&] { SendMessageA(settings().hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0); }},
        {frmMain::mnuAbout, [] { routeKey(VK_ESCAPE); }}};
    for (std::size_t road = 0; road < std::size(roads); ++road) {
        SetForegroundWindow(window());
        command(roads[road].first);
        EXPECT_FALSE(IsWindowEnabled(window())) << road;
        roads[road].second();
        pumpFor(50);
        EXPECT_TRUE(allHold({FACT(GetForegroundWindow() == window()), FACT(GetFocus() == control(frmMain::Command1))}))
            << road;
    }
    user.putText("Hide", "1");  // Settings holds the main window while About comes and goes from the icon
    command(frmMain::mnuSettings);
    ShowWindow(window(), SW_MINIMIZE);
    command(frmMain::mnuHiddenAbout);
    routeKey(VK_ESCAPE);
    command(frmMain::mnuHiddenRestore);
    EXPECT_FALSE(IsWindowEnabled(window()));
    click(settings().control(frmSettings::Command2));
    EXPECT_TRUE(IsWindowEnabled(window()));
}

TEST_F(MainWindow, AlwaysOnTopIsToggledAndStoredAndLeavesAnOpenAboutBoxOnTop) {
    start();
    command(frmMain::mnuHiddenAbout);  // from the popup the main window stays enabled
    EXPECT_TRUE(allHold({FACT(app->aboutBoxExists()), FACT(IsWindowEnabled(window()))}));
    HWND about = app->aboutBox()->hwnd();  // topmost without Always On Top, and decided once
    for (const std::string stored : {"1", "0", "1"}) {
        command(frmMain::mnuAlwaysOnTop);
        EXPECT_EQ(std::pair(isTopMost(window()), user.texts()["OnTop"]), std::pair(stored == "1", stored));
    }
    EXPECT_TRUE(isTopMost(about));
}

TEST_F(MainWindow, OnlyHideOneMinimisesToTheIconWhichOutlivesTheShellAndAnswersTheMouse) {
    static std::vector<std::pair<HWND, UINT>> allowed;
    allowed.clear();
    const ScopedSeam<MessageFilter::Allower> seam(
        MessageFilter::replaceAllower, [](HWND window, UINT message) { allowed.emplace_back(window, message); });
    start({{"Hide", "0"}});
    const UINT taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
    EXPECT_EQ(allowed, (std::vector<std::pair<HWND, UINT>>{{window(), taskbarCreated}}));  // even elevated
    minimise();                                                                            // an ordinary one
    EXPECT_TRUE(allHold({FACT(IsIconic(window())), FACT(IsWindowVisible(window())), FACT(!shown(icon()))}));
    user.putText("Hide", "1");  // read afresh at each minimise
    Menu::setChecked(main().menuBar(), frmMain::mnuAlwaysOnTop, true);
    ShowWindow(window(), SW_RESTORE);
    minimise();
    EXPECT_TRUE(allHold({FACT(IsIconic(window())), FACT(!IsWindowVisible(window())), FACT(shown(icon()))}));
    EXPECT_EQ(icon().hWnd, control(frmMain::Picture2));
    EXPECT_EQ(iconWidth(icon().hIcon), GetSystemMetrics(SM_CXSMICON));
    EXPECT_EQ(std::string(icon().szTip, 64), std::string("Clikpad") + '\0' + std::string(56, ' '));
    for (const bool lost : {true, false}) {  // a restarted shell lost the icon; one that kept it says so too
        NOTIFYICONDATAA held = icon();
        if (lost) Shell_NotifyIconA(NIM_DELETE, &held);
        SendMessageA(window(), taskbarCreated, 0, 0);
        EXPECT_TRUE(allHold({FACT(shown(icon())), FACT(!IsWindowVisible(window()))})) << lost;
    }
    static RECT menu;  // where the popup opens, noted by a timer inside the menu's own loop, which it ends
    menu = {};
    SetCursorPos(700, 500);
    SetTimer(nullptr, 0, 300, [](HWND, UINT, UINT_PTR timer, DWORD) {
        GetWindowRect(FindWindowA("#32768", nullptr), &menu), KillTimer(nullptr, timer), EndMenu();
    });
    for (const UINT message : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONUP, WM_RBUTTONDOWN})
        SendMessageA(control(frmMain::Picture2), WM_MOUSEMOVE, 0, message);
    EXPECT_EQ(std::pair(menu.left, menu.top), std::pair(700L, 500L));
    EXPECT_FALSE(IsWindowVisible(window()));
    const NOTIFYICONDATAA before = icon();
    SendMessageA(control(frmMain::Picture2), WM_MOUSEMOVE, 0, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(allHold({FACT(IsWindowVisible(window())), FACT(!IsIconic(window())), FACT(isTopMost(window()))}));
    EXPECT_FALSE(shown(before));
}

TEST_F(MainWindow, EveryRoadOutTakesTheIconAndTheDialogsAlong) {
    const std::pair<UINT, WPARAM> roads[] = {{WM_COMMAND, frmMain::mnuHiddenExit}, {WM_ENDSESSION, TRUE}};  // logoff
    MSG quit{};  // the road ends the message loop; taken here, it ends no later test's point picker
    for (const auto& [message, wParam] : roads) {  // Exit closes the window as its close box and Options > Exit do
        start({{"Hide", "1"}});
        minimise();
        const NOTIFYICONDATAA before = icon();
        HWND dialog = settings().hwnd();
        SendMessageA(window(), message, wParam, 0);
        EXPECT_TRUE(allHold({FACT(!shown(before)), FACT(!IsWindow(dialog))})) << message;  // dialogs unloaded
        EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << message;
        app.reset();
    }
}

TEST_F(MainWindow, HotKeysActAsTheButtonsWouldAndARunningRunKeepsThePcAwake) {
    static EXECUTION_STATE state;
    state = 0;
    const ScopedSeam<KeepAwake::Setter> seam(KeepAwake::replaceSetter,
                                             [](EXECUTION_STATE asked) { return std::exchange(state, asked); });
    start({{"Events", "1"}, {"Loop", "False"}});
    const auto hotKey = [this](WPARAM id) {  // the run's state, and whether the PC is kept awake
        SendMessageA(window(), WM_HOTKEY, id, 0);
        return panel(frmMain::StatusBar1, 1) +
               (state == (ES_CONTINUOUS | ES_SYSTEM_REQUIRED | ES_DISPLAY_REQUIRED) ? "+" : "");
    };
    const WPARAM run = RunHotKeys::kRunId, stop = RunHotKeys::kStopId;
    hotKey(run);
    tick();                        // the end of a Run Once run lets it sleep
    std::string seen = hotKey(0);  // no key of Clikpad's
    for (const WPARAM id : {run, run, run, stop, stop}) seen += "|" + hotKey(id);
    EXPECT_EQ(seen, "Status: Stopped|Status: Running+|Status: Paused|Status: Running+|Status: Stopped|Status: Stopped");
    command(frmMain::mnuSettings);  // while a dialog holds the window its buttons cannot be pressed, nor its keys
    EXPECT_EQ(hotKey(run), "Status: Stopped");
    click(settings().control(frmSettings::Command2));
    static int shown;  // one box, however often the key is pressed while it is open
    shown = 0;
    const ScopedSeam<MessageShower> boxes(replaceMessageShower, [](HWND owner, const std::string&, const std::string&) {
        if (++shown == 1) SendMessageA(owner, WM_HOTKEY, RunHotKeys::kRunId, 0);
    });
    user.putText("Events", "");
    hotKey(run);
    EXPECT_EQ(shown, 1);
}

TEST_F(MainWindow, TheHotKeysDialogHoldsTheKeysUntilNewOnesAreSaved) {
    const auto free = [](UINT key, UINT modifiers = 0) {  // whether another program could take the key now
        return RegisterHotKey(nullptr, 10, MOD_NOREPEAT | modifiers, key) && UnregisterHotKey(nullptr, 10);
    };
    const auto item = [this](UINT id) {  // with the key after the tab
        char text[32] = {};
        return std::string(text, GetMenuStringA(main().mnuHidden(), id, text, sizeof text, MF_BYCOMMAND));
    };
    ASSERT_TRUE(RegisterHotKey(nullptr, 9, MOD_NOREPEAT, VK_F9));  // another program's, before Clikpad starts
    start({{"HotKeyRun", std::to_string(VK_F9)}, {"OnTop", "1"}});
    EXPECT_EQ(boxes.take(), std::vector<std::string>{});  // not said at start-up: the dialog says it
    EXPECT_FALSE(free(VK_F7));                            // the free key is in force on its own
    EXPECT_EQ(item(frmMain::mnuHiddenStart) + "|" + item(frmMain::mnuHiddenStop), "Start|Stop\tF7");
    command(frmMain::mnuHotKeys);
    const auto box = [this](frmHotKeys::Control which) { return app->hotKeysDialog()->control(which); };
    EXPECT_TRUE(isTopMost(app->hotKeysDialog()->hwnd()));  // above the topmost main window
    EXPECT_EQ(windowText(box(frmHotKeys::Label3)) + "|" + windowText(box(frmHotKeys::Label4)),
              "F9 - in use by another program|");
    SendMessageA(box(frmHotKeys::HotKey2), HKM_SETHOTKEY, 0, 0);
    SetFocus(box(frmHotKeys::HotKey2));
    UserInput::pressKey(VK_F7);  // the box takes the key that Clikpad held
    EXPECT_EQ(SendMessageA(box(frmHotKeys::HotKey2), HKM_GETHOTKEY, 0, 0), VK_F7);
    const Texts before = user.texts();
    for (const WORD refused : {WORD{'A'}, WORD{VK_F9}})
        SendMessageA(box(frmHotKeys::HotKey1), HKM_SETHOTKEY, refused, 0), click(box(frmHotKeys::Command1));
    EXPECT_THAT(boxes.take(),
                ElementsAre(StartsWith("Hot Keys: The hot key A cannot be used. Choose"),
                            "Hot Keys: The hot key F9 is in use by another program. Choose another key, or none."));
    routeKey(VK_ESCAPE);  // cancels: nothing saved, the keys in force before are again
    EXPECT_EQ(user.texts(), before);
    EXPECT_FALSE(free(VK_F7));
    command(frmMain::mnuHotKeys);
    app->hotKeysDialog()->show({MAKEWORD(VK_F8, HOTKEYF_CONTROL), 0});
    click(box(frmHotKeys::Command1));
    EXPECT_EQ(user.texts()["HotKeyRun"] + "|" + user.texts()["HotKeyStop"], "631|0");  // Ctrl+F8, none
    EXPECT_EQ(item(frmMain::mnuHiddenStart), "Start\tCtrl+F8");
    EXPECT_TRUE(free(VK_F7));
    UnregisterHotKey(nullptr, 9);
    app.reset();  // given back with the window
    EXPECT_TRUE(free(VK_F8, MOD_CONTROL));
}
