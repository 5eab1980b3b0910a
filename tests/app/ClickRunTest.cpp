// The click run driven through the main window's buttons, popup items and timer
// messages. Clicks go to the recorder, not to the system, except where a test
// says otherwise.
#include "AppTesting.h"
#include "DialogCloser.h"
#include "MouseRecorder.h"
#include "TestWindow.h"

namespace {

struct Shown {
    bool startEnabled, startItemEnabled;
    bool pauseEnabled, pauseItemEnabled;
    std::string pauseCaption, pauseItemCaption;
    bool stopEnabled, stopItemEnabled;
    bool timerEnabled;
    std::string status;
    bool operator==(const Shown&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Shown& s) {
    return out << "start " << s.startEnabled << s.startItemEnabled << " pause " << s.pauseEnabled
               << s.pauseItemEnabled << " '" << s.pauseCaption << "'/'" << s.pauseItemCaption << "' stop "
               << s.stopEnabled << s.stopItemEnabled << " timer " << s.timerEnabled << " '" << s.status << "'";
}

const Shown kStopped{true, true, false, false, "Pause", "Pause", false, false, false, "Status: Stopped"};
const Shown kRunning{false, false, true, true, "Pause", "Pause", true, true, true, "Status: Running"};
const Shown kPaused{false, false, true, true, "Continue", "Continue", true, true, false, "Status: Paused"};

constexpr MouseCall kLeftDown{0x0002, 0, 0, 0}, kLeftUp{0x0004, 0, 0, 0};
constexpr MouseCall kRightDown{0x0008, 0, 0, 0}, kRightUp{0x0010, 0, 0, 0};

class ClickRunTest : public AppTest {
protected:
    Shown shown() {
        HMENU popup = main().mnuHidden();
        return {IsWindowEnabled(control(frmMain::Command1)) != 0,
                Menu::IsEnabled(popup, frmMain::mnuHiddenStart),
                IsWindowEnabled(control(frmMain::Command2)) != 0,
                Menu::IsEnabled(popup, frmMain::mnuHiddenPause),
                WindowText(control(frmMain::Command2)),
                Menu::Caption(popup, frmMain::mnuHiddenPause),
                IsWindowEnabled(control(frmMain::Command3)) != 0,
                Menu::IsEnabled(popup, frmMain::mnuHiddenStop),
                main().Timer1().Enabled(),
                panel(frmMain::StatusBar1, 1)};
    }
    std::string timer() { return panel(frmMain::StatusBar2, 1); }
    std::string clicks() { return panel(frmMain::StatusBar2, 2); }
    std::size_t clickCount() const { return recorder.calls().size() / 2; }

    void startWith(const std::string& events, const std::string& loop = "True") {
        storeCurrent({{"Events", events}, {"Loop", loop}});
        start();
    }

    MouseRecorder recorder;
};

}  // namespace

TEST_F(ClickRunTest, ButtonsWalkThroughEveryStateOfTheTable) {
    startWith("5");
    EXPECT_EQ(shown(), kStopped);
    click(frmMain::Command1);
    EXPECT_EQ(shown(), kRunning);
    EXPECT_EQ(timer(), "Timer: 5");
    EXPECT_EQ(clicks(), "Clicks: 0");
    click(frmMain::Command2);
    EXPECT_EQ(shown(), kPaused);
    click(frmMain::Command2);
    EXPECT_EQ(shown(), kRunning);
    click(frmMain::Command3);
    EXPECT_EQ(shown(), kStopped);
    EXPECT_EQ(timer(), "Timer: 0");
}

TEST_F(ClickRunTest, PopupItemsDoExactlyWhatTheButtonsDo) {
    startWith("5");
    command(frmMain::mnuHiddenStart);
    EXPECT_EQ(shown(), kRunning);
    command(frmMain::mnuHiddenPause);
    EXPECT_EQ(shown(), kPaused);
    command(frmMain::mnuHiddenPause);
    EXPECT_EQ(shown(), kRunning);
    command(frmMain::mnuHiddenPause);
    command(frmMain::mnuHiddenStop);  // stop while paused
    EXPECT_EQ(shown(), kStopped);
}

TEST_F(ClickRunTest, FocusLeavesADisabledButtonForTheNextOneOnlyWhileTheWindowHasIt) {
    startWith("1", "False");
    SetForegroundWindow(main().hwnd());
    click(frmMain::Command1);  // a click focuses the button it disables
    EXPECT_EQ(GetFocus(), control(frmMain::Command2));
    click(frmMain::Command3);
    EXPECT_EQ(GetFocus(), control(frmMain::Command1));
    click(frmMain::Command1);
    SetFocus(control(frmMain::Command3));
    tick();  // the end of a Run Once run
    EXPECT_EQ(GetFocus(), control(frmMain::Command1));

    HWND elsewhere = CreateWindowExA(0, "EDIT", "", WS_POPUP | WS_VISIBLE, 0, 0, 80, 20, nullptr, nullptr,
                                     GetModuleHandleA(nullptr), nullptr);
    SetForegroundWindow(elsewhere);
    SetFocus(elsewhere);
    command(frmMain::mnuHiddenStart);
    EXPECT_EQ(GetFocus(), elsewhere);
    DestroyWindow(elsewhere);
}

TEST_F(ClickRunTest, LoopClicksEveryTwoSecondsAndCountsDown) {
    startWith("2");
    click(frmMain::Command1);
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"Timer: 1", "Clicks: 0"}, {"Timer: 2", "Clicks: 1"}, {"Timer: 1", "Clicks: 1"}, {"Timer: 2", "Clicks: 2"}};
    for (const auto& [timerText, clicksText] : expected) {
        tick();
        EXPECT_EQ(timer(), timerText);
        EXPECT_EQ(clicks(), clicksText);
    }
    EXPECT_EQ(recorder.calls(), (std::vector<MouseCall>{kLeftDown, kLeftUp, kLeftDown, kLeftUp}));
    EXPECT_EQ(shown(), kRunning);
}

TEST_F(ClickRunTest, PauseKeepsTheCountdownAndNoTickRunsMeanwhile) {
    startWith("5");
    click(frmMain::Command1);
    tick();
    tick();
    EXPECT_EQ(timer(), "Timer: 3");
    click(frmMain::Command2);
    PumpFor(1300);  // a real timer would have ticked by now
    EXPECT_EQ(timer(), "Timer: 3");
    click(frmMain::Command2);
    tick();
    EXPECT_EQ(timer(), "Timer: 2");
    EXPECT_EQ(clickCount(), 0u);
}

TEST_F(ClickRunTest, RunOnceStopsOnTheTickOfTheLastClick) {
    startWith("1,3", "False");
    click(frmMain::Command1);
    tick();
    EXPECT_EQ(timer(), "Timer: 3");
    EXPECT_EQ(clicks(), "Clicks: 1");
    tick();
    tick();
    EXPECT_EQ(shown(), kRunning);
    tick();
    EXPECT_EQ(clickCount(), 2u);
    EXPECT_EQ(shown(), kStopped);
    EXPECT_EQ(timer(), "Timer: 0");
    EXPECT_EQ(clicks(), "Clicks: 0");
    EXPECT_EQ(main().run().state().EventIndex, 0);
}

TEST_F(ClickRunTest, LoopTestIgnoresCaseAndAnythingElseRunsOnce) {
    for (const std::string loop : {"true", "TRUE", "True"}) {
        startWith("1", loop);
        click(frmMain::Command1);
        tick();
        tick();
        EXPECT_EQ(shown(), kRunning) << loop;
        app.reset();
    }
    for (const std::string once : {"False", "1", "yes", ""}) {
        startWith("1", once);
        click(frmMain::Command1);
        tick();
        EXPECT_EQ(shown(), kStopped) << "'" << once << "'";
        app.reset();
    }
}

TEST_F(ClickRunTest, EmptyElementCountsAsZeroAndFallsWithoutClicking) {
    startWith("5,,10");
    click(frmMain::Command1);
    EXPECT_EQ(main().run().state().LastEventIndex, 2);
    for (int i = 0; i < 5; ++i) tick();
    EXPECT_EQ(timer(), "Timer: 0");  // the empty element's countdown is loaded
    tick();
    EXPECT_EQ(timer(), "Timer: -1");
    tick();
    EXPECT_EQ(timer(), "Timer: -2");
    EXPECT_EQ(clickCount(), 1u);
}

TEST_F(ClickRunTest, StartAfterStopBeginsAfresh) {
    startWith("2,7");
    click(frmMain::Command1);
    tick();
    tick();
    click(frmMain::Command3);
    click(frmMain::Command1);
    EXPECT_EQ(timer(), "Timer: 2");
    EXPECT_EQ(main().run().state().ClickCount, 0);
    EXPECT_EQ(main().run().state().EventIndex, 0);
}

namespace {
// Panels without a window behind them: the wrap needs 32767 ticks, and a real
// status bar redraws on each.
struct PanelsOnly : RunControls, ClickChoices {
    void setStartEnabled(bool) override {}
    void setPauseEnabled(bool) override {}
    void setStopEnabled(bool) override {}
    void setPauseCaption(const std::string&) override {}
    std::string pauseCaption() const override { return "Pause"; }
    void setRunStatus(const std::string&) override {}
    void setTimerPanel(const std::string&) override {}
    void setClicksPanel(const std::string& text) override { clicks = text; }
    void enableTimer(bool) override {}
    void reportUnusableTimes() override {}
    bool adDetectorOn() override { return false; }
    bool primaryButton() override { return true; }
    std::string clicks;
};
}  // namespace

TEST_F(ClickRunTest, ClickPanelWrapsAfter32766) {
    storeCurrent({{"Events", "1"}});
    PanelsOnly panels;
    ClickRun run(panels, panels);
    run.Start();
    for (int i = 0; i < 32765; ++i) run.Tick();
    EXPECT_EQ(panels.clicks, "Clicks: 32765");
    run.Tick();
    EXPECT_EQ(panels.clicks, "Clicks: 32766");
    EXPECT_EQ(run.state().ClickCount, 0);
    run.Tick();
    EXPECT_EQ(panels.clicks, "Clicks: 1");
    EXPECT_EQ(clickCount(), 32767u);
}

TEST_F(ClickRunTest, SecondaryButtonClicksWithTheRightButton) {
    storeCurrent({{"Events", "1"}, {"Button", "False"}});
    start();
    click(frmMain::Command1);
    tick();
    EXPECT_EQ(recorder.calls(), (std::vector<MouseCall>{kRightDown, kRightUp}));
}

TEST_F(ClickRunTest, LiveSettingsApplyToTheNextClickEvenWhenRecreated) {
    startWith("1");
    click(frmMain::Command1);
    app->settingsDialog().setPrimaryButton(false);  // changed in the dialog, not saved
    tick();
    app->settingsDialog().Unload();                 // closed: the next read makes it afresh
    EXPECT_FALSE(app->settingsDialogExists());
    tick();
    EXPECT_TRUE(app->settingsDialogExists());
    EXPECT_FALSE(IsWindowVisible(app->settingsDialog().hwnd()));
    EXPECT_EQ(recorder.calls(), (std::vector<MouseCall>{kRightDown, kRightUp, kLeftDown, kLeftUp}));
}

TEST_F(ClickRunTest, UnusableTimeListsDoNotStart) {
    for (const std::string events : {"", "2147483648", "5,1e10"}) {
        startWith(events);
        DialogCloser closer;
        click(frmMain::Command1);
        EXPECT_EQ(shown(), kStopped) << "'" << events << "'";
        const auto boxes = closer.boxes();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].title, "Clikpad");
        EXPECT_NE(boxes[0].text.find("Settings"), std::string::npos);
        app.reset();
    }
}

// The ad detector reads the real screen: the pointer rests on a window of the test.
class AdDetectorTest : public ClickRunTest {
protected:
    void SetUp() override {
        ClickRunTest::SetUp();
        const POINT centre = canvas.centre();
        SetCursorPos(centre.x, centre.y);
        PumpFor(30);
    }
    TestWindow canvas{{400, 300, 600, 450}, RGB(255, 255, 255)};
};

TEST_F(AdDetectorTest, ClicksOnlyWhileThePixelKeepsItsFirstColour) {
    storeCurrent({{"Events", "1"}, {"DetAd", "True"}});
    start();
    click(frmMain::Command1);
    tick();
    EXPECT_TRUE(main().run().state().AdReferenceCaptured);
    EXPECT_EQ(main().run().state().AdReferenceColor, 0x00FFFFFFu);
    canvas.repaint(RGB(255, 0, 0));
    tick();
    tick();
    EXPECT_EQ(clicks(), "Clicks: 1");
    EXPECT_EQ(timer(), "Timer: 1");  // the run goes on through the list
    canvas.repaint(RGB(255, 255, 255));
    tick();
    EXPECT_EQ(clicks(), "Clicks: 2");
    click(frmMain::Command3);
    EXPECT_FALSE(main().run().state().AdReferenceCaptured);
}

TEST_F(AdDetectorTest, RunOnceStillStopsWhenTheLastClickIsHeldBack) {
    storeCurrent({{"Events", "1,1"}, {"DetAd", "True"}, {"Loop", "False"}});
    start();
    click(frmMain::Command1);
    tick();
    canvas.repaint(RGB(0, 0, 255));
    tick();
    EXPECT_EQ(clickCount(), 1u);
    EXPECT_EQ(shown(), kStopped);
}

TEST_F(AdDetectorTest, SwitchedOnInTheDialogCapturesAtTheNextClick) {
    startWith("1");
    click(frmMain::Command1);
    tick();
    EXPECT_FALSE(main().run().state().AdReferenceCaptured);
    app->settingsDialog().setAdDetectorOn(true);
    canvas.repaint(RGB(0, 255, 0));
    tick();
    EXPECT_TRUE(main().run().state().AdReferenceCaptured);
    EXPECT_EQ(main().run().state().AdReferenceColor, 0x0000FF00u);
    EXPECT_EQ(clickCount(), 2u);
}

TEST_F(AdDetectorTest, RealTimerClicksTheTargetAboutOnceASecond) {
    startWith("1");
    MouseRecorder forwarding(MouseRecorder::Forward::ToSystem);
    canvas.clearReceived();
    click(frmMain::Command1);
    const auto clicksOnTarget = [&] { return canvas.receivedOf({WM_LBUTTONUP}).size(); };
    EXPECT_TRUE(PumpUntil([&] { return clicksOnTarget() >= 3; }, 6000));
    EXPECT_EQ(canvas.receivedOf({WM_LBUTTONDOWN}).size(), clicksOnTarget());
    EXPECT_EQ(canvas.receivedOf({WM_RBUTTONDOWN}).size(), 0u);
    const auto ups = canvas.receivedOf({WM_LBUTTONUP});
    ASSERT_GE(ups.size(), 3u);
    // Roughly a second apart: far from back to back, far from two seconds.
    EXPECT_GT(ups[2].time - ups[1].time, 500u);
    EXPECT_LT(ups[2].time - ups[1].time, 1900u);
    EXPECT_EQ(shown(), kRunning);
}
