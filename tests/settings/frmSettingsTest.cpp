// The Settings dialog shown, edited and closed as a user would; the message boxes
// it shows are read from the real windows and answered with OK.
#include "AppTesting.h"
#include "DialogCloser.h"
#include "MouseRecorder.h"
#include "TestWindow.h"
#include "platform/MessageLoop.h"

namespace {

const ShownBox kInvalidChars{"Invalid Entry", "Invalid time detected, please check the Time Event and try again"};
const ShownBox kTooHigh{"Invalid Entry",
                        "You have entered a time value that is higher then 32766, please check the Time Event and "
                        "try again"};
const ShownBox kTooLow{"Invalid Entry",
                       "You have entered a time value that is less then 1, please check the Time Event and try again"};


class SettingsDialogTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        storeCurrent();
        start();
    }
    frmSettings& dialog() { return app->settingsDialog(); }
    void openFromMenu() { command(frmMain::mnuSettings); }
    void press(frmSettings::Control button) { SendMessageA(dialog().control(button), BM_CLICK, 0, 0); }

    // Types the text and presses OK; returns the boxes shown meanwhile.
    std::vector<ShownBox> okWith(const std::string& text) {
        dialog().setEventsText(text);
        DialogCloser closer;
        press(frmSettings::Command1);
        return closer.boxes();
    }
    MouseRecorder recorder;
};

}  // namespace

TEST_F(SettingsDialogTest, ShowsCentredWithoutReloadingAndDisablesTheMainWindow) {
    dialog().setEventsText("7,8");  // unsaved: a reload would lose it
    openFromMenu();
    EXPECT_TRUE(IsWindowVisible(dialog().hwnd()));
    EXPECT_FALSE(IsWindowEnabled(main().hwnd()));
    EXPECT_EQ(dialog().eventsText(), "7,8");
    EXPECT_EQ(WindowText(dialog().hwnd()), "Settings");
    EXPECT_EQ(GetFocus(), dialog().control(frmSettings::Command1));
    RECT window{};
    GetWindowRect(dialog().hwnd(), &window);
    EXPECT_NEAR((window.left + window.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR((window.top + window.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
    const LONG style = GetWindowLongA(dialog().hwnd(), GWL_STYLE);
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
}

TEST_F(SettingsDialogTest, AcceptedTextsAreSavedAsTypedWithTheOtherFour) {
    openFromMenu();
    dialog().setPrimaryButton(false);
    dialog().setAdDetectorOn(true);
    dialog().setMinimizeBesideClock(true);
    dialog().setLoop(false);
    EXPECT_TRUE(okWith("0005").empty());
    EXPECT_FALSE(app->settingsDialogExists());
    EXPECT_EQ(machine.textOf("Button"), "False");
    EXPECT_EQ(machine.textOf("DetAd"), "True");
    EXPECT_EQ(machine.textOf("Events"), "0005");
    EXPECT_EQ(machine.textOf("Hide"), "1");
    EXPECT_EQ(machine.textOf("Loop"), "False");
    EXPECT_EQ(machine.textOf("OnTop"), "0");
    EXPECT_EQ(panel(frmMain::StatusBar1, 2), "Ad Detector: On");
    EXPECT_TRUE(IsWindowEnabled(main().hwnd()));

    for (const char* text : {"4", "5,10,15", "32766"}) {
        openFromMenu();
        EXPECT_TRUE(okWith(text).empty()) << text;
        EXPECT_EQ(machine.textOf("Events"), text);
    }
}

TEST_F(SettingsDialogTest, EachRejectedTextShowsExactlyItsBoxesAndKeepsTheDialog) {
    const std::string fortyDigits(40, '4');
    const std::vector<std::pair<std::string, std::vector<ShownBox>>> cases = {
        {"", {kTooLow}},
        {"0", {kTooLow}},
        {"00", {kTooLow}},
        {"5,0", {kTooLow}},
        {"5,", {kTooLow}},
        {",5", {kTooLow}},
        {"32767", {kTooHigh}},
        {fortyDigits, {kTooHigh}},
        {"5,40000", {kTooHigh}},
        {"40000,0", {kTooHigh}},
        {"5 10", {{"error", " "}, kInvalidChars}},
        {"+5", {{"error", "+"}, kInvalidChars}},
        {"a 5", {{"error", " "}, kInvalidChars}},
        {"-5", {kInvalidChars}},
        {"5.5", {kInvalidChars}},
        {"5/5", {kInvalidChars}},
        {"a", {kInvalidChars}},
    };
    openFromMenu();
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(okWith(text), expected) << "'" << text << "'";
        ASSERT_TRUE(app->settingsDialogExists());
        EXPECT_TRUE(IsWindowVisible(dialog().hwnd()));
        EXPECT_EQ(dialog().eventsText(), text);
    }
    EXPECT_EQ(machine.textOf("Events"), "4");
    EXPECT_FALSE(IsWindowEnabled(main().hwnd()));
}

TEST_F(SettingsDialogTest, OkWithNothingChangedStopsARun) {
    click(frmMain::Command1);
    tick();
    openFromMenu();
    EXPECT_TRUE(okWith("4").empty());
    EXPECT_EQ(panel(frmMain::StatusBar1, 1), "Status: Stopped");
    EXPECT_EQ(panel(frmMain::StatusBar2, 1), "Timer: 0");
    EXPECT_EQ(panel(frmMain::StatusBar2, 2), "Clicks: 0");
    EXPECT_TRUE(IsWindowEnabled(control(frmMain::Command1)));
    EXPECT_FALSE(IsWindowEnabled(control(frmMain::Command2)));
    EXPECT_FALSE(IsWindowEnabled(control(frmMain::Command3)));
    EXPECT_FALSE(main().Timer1().Enabled());
}

TEST_F(SettingsDialogTest, CancelKeepsTheRunAndTheStoredChoicesComeBack) {
    storeCurrent({{"Events", "1"}});
    click(frmMain::Command1);
    openFromMenu();
    dialog().setPrimaryButton(false);
    tick();  // the open dialog's choice counts at once
    press(frmSettings::Command2);
    EXPECT_FALSE(app->settingsDialogExists());
    EXPECT_TRUE(IsWindowEnabled(main().hwnd()));
    EXPECT_EQ(panel(frmMain::StatusBar1, 1), "Status: Running");
    tick();
    EXPECT_EQ(recorder.calls(), (std::vector<MouseCall>{{0x0008, 0, 0, 0}, {0x0010, 0, 0, 0}, {0x0002, 0, 0, 0},
                                                        {0x0004, 0, 0, 0}}));
    EXPECT_EQ(machine.textOf("Button"), "True");
}

TEST_F(SettingsDialogTest, CloseBoxClosesWithoutSaving) {
    openFromMenu();
    dialog().setEventsText("99");
    SendMessageA(dialog().hwnd(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(app->settingsDialogExists());
    EXPECT_TRUE(IsWindowEnabled(main().hwnd()));
    EXPECT_EQ(machine.textOf("Events"), "4");
}

TEST_F(SettingsDialogTest, OpenedFromThePopupMenuLeavesTheMainWindowEnabledAndOkStillStops) {
    click(frmMain::Command1);
    click(frmMain::Command2);  // paused
    ShowWindow(main().hwnd(), SW_HIDE);
    command(frmMain::mnuHiddenSettings);
    EXPECT_TRUE(IsWindowVisible(dialog().hwnd()));
    EXPECT_TRUE(IsWindowEnabled(main().hwnd()));
    EXPECT_TRUE(okWith("4").empty());
    EXPECT_EQ(panel(frmMain::StatusBar1, 1), "Status: Stopped");
    EXPECT_EQ(WindowText(control(frmMain::Command2)), "Pause");
    EXPECT_FALSE(main().run().state().AdReferenceCaptured);
}

TEST_F(SettingsDialogTest, TopmostWithTheMainWindowAndNeverTakenBack) {
    Menu::SetChecked(main().menuBar(), frmMain::mnuAlwaysOnTop, true);
    openFromMenu();
    SetWindowPos(dialog().hwnd(), nullptr, 0, 0, 400, 300, SWP_NOMOVE | SWP_NOZORDER);  // a size event
    EXPECT_TRUE(GetWindowLongA(dialog().hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    Menu::SetChecked(main().menuBar(), frmMain::mnuAlwaysOnTop, false);
    SetWindowPos(dialog().hwnd(), nullptr, 0, 0, 410, 310, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_TRUE(GetWindowLongA(dialog().hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(SettingsDialogTest, OptionPairsExcludeEachOtherWhenClicked) {
    openFromMenu();
    press(frmSettings::Option4);
    EXPECT_TRUE(IsChecked(dialog().control(frmSettings::Option4)));
    EXPECT_FALSE(IsChecked(dialog().control(frmSettings::Option3)));
    press(frmSettings::Option1);
    EXPECT_TRUE(IsChecked(dialog().control(frmSettings::Option1)));
    EXPECT_FALSE(IsChecked(dialog().control(frmSettings::Option2)));
    EXPECT_TRUE(IsChecked(dialog().control(frmSettings::Option4)));  // the other pair stays
    press(frmSettings::Option6);
    EXPECT_FALSE(dialog().loop());
    EXPECT_FALSE(dialog().primaryButton());
}

namespace {
// Keys go to the focused control and through the program's own message routing.
class SettingsKeyboardTest : public SettingsDialogTest {
protected:
    void SetUp() override {
        SettingsDialogTest::SetUp();
        openFromMenu();
        router = std::make_unique<MessageRouter>(main().hwnd(), frmMain::mnuContents);
    }
    void key(UINT message, WPARAM code) {
        PostMessageA(GetFocus(), message, code, message == WM_SYSCHAR ? (1 << 29) : 0);
        PumpUntil([] { return false; }, 100, router.get());
    }
    std::unique_ptr<MessageRouter> router;
};
}  // namespace

TEST_F(SettingsKeyboardTest, TabMovesFromOkToCancelAndIntoTheOptions) {
    ASSERT_EQ(GetFocus(), dialog().control(frmSettings::Command1));
    key(WM_KEYDOWN, VK_TAB);
    EXPECT_EQ(GetFocus(), dialog().control(frmSettings::Command2));
    key(WM_KEYDOWN, VK_TAB);
    const HWND inAdDetector = GetFocus();
    EXPECT_TRUE(inAdDetector == dialog().control(frmSettings::Option1) ||
                inAdDetector == dialog().control(frmSettings::Option2));
}

TEST_F(SettingsKeyboardTest, AltCCancelsAndAltOSaves) {
    key(WM_SYSCHAR, 'c');
    EXPECT_FALSE(app->settingsDialogExists());
    openFromMenu();
    dialog().setEventsText("6");
    key(WM_SYSCHAR, 'o');
    EXPECT_FALSE(app->settingsDialogExists());
    EXPECT_EQ(machine.textOf("Events"), "6");
}

TEST_F(SettingsKeyboardTest, EnterAndEscapeInTheTextBoxDoNothing) {
    SetFocus(dialog().control(frmSettings::Text1));
    key(WM_KEYDOWN, VK_RETURN);
    key(WM_KEYDOWN, VK_ESCAPE);
    ASSERT_TRUE(app->settingsDialogExists());
    EXPECT_TRUE(IsWindowVisible(dialog().hwnd()));
    EXPECT_EQ(machine.textOf("Events"), "4");
}
