// The Settings dialog shown, edited and closed as a user would.
#include "AppTesting.h"
#include "platform/MessageLoop.h"

namespace {

class SettingsDialog : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        start({{"Events", "1"}});
    }
    void press(frmSettings::Control button) { click(settings().control(button)); }
};

}  // namespace

TEST_F(SettingsDialog, ARejectedTextShowsItsBoxesAndLeavesEverythingAsItWas) {
    const std::string entry = "Invalid Entry: ", check = ", please check the Time Event and try again";
    const std::pair<std::string, std::vector<std::string>> rows[] = {
        {"5 10", {"error:  ", entry + "Invalid time detected" + check}},
        {"a", {entry + "Invalid time detected" + check}},
        {"32767", {entry + "You have entered a time value that is higher then 32766" + check}},
        {"", {entry + "You have entered a time value that is less then 1" + check}},
    };
    const Texts before = machine.texts();
    command(frmMain::mnuSettings);
    for (const auto& [text, expected] : rows) {
        settings().setEventsText(text);
        press(frmSettings::Command1);
        EXPECT_EQ(boxes.take(), expected) << "'" << text << "'";
        EXPECT_TRUE(IsWindowVisible(settings().hwnd()) && settings().eventsText() == text) << "'" << text << "'";
    }
    EXPECT_EQ(machine.texts(), before);
    EXPECT_FALSE(IsWindowEnabled(main().hwnd()));
}

TEST_F(SettingsDialog, OkSavesTheFiveChoicesAsShownAndEndsTheRun) {
    click(frmMain::Command1);
    tick();
    settings().setEventsText("7,8");  // unsaved: showing must not load the store again
    command(frmMain::mnuSettings);
    EXPECT_TRUE(settings().eventsText() == "7,8" && GetFocus() == settings().control(frmSettings::Command1));
    RECT window{};
    GetWindowRect(settings().hwnd(), &window);
    EXPECT_LE(std::abs(window.left + window.right - GetSystemMetrics(SM_CXSCREEN)), 2);  // centred
    for (const auto option : {frmSettings::Option4, frmSettings::Option1, frmSettings::Check1, frmSettings::Option6})
        press(option);
    settings().setEventsText("0005");
    press(frmSettings::Command1);
    EXPECT_EQ(machine.texts(), (Texts{{"Button", "False"},
                                      {"DetAd", "True"},
                                      {"Events", "0005"},
                                      {"Hide", "1"},
                                      {"Loop", "False"},
                                      {"Ver", "4.3"},
                                      {"OnTop", "0"}}));
    EXPECT_TRUE(!app->settingsDialogExists() && IsWindowEnabled(main().hwnd()) && !main().Timer1().Enabled());
    EXPECT_EQ(panel(frmMain::StatusBar1, 1) + "|" + panel(frmMain::StatusBar1, 2) + "|" +
                  panel(frmMain::StatusBar2, 1) + "|" + panel(frmMain::StatusBar2, 2),
              "Status: Stopped|Ad Detector: On|Timer: 0|Clicks: 0");
}

TEST_F(SettingsDialog, CancelAndTheCloseBoxKeepTheRunAndSaveNothing) {
    click(frmMain::Command1);
    const Texts before = machine.texts();
    for (const bool closeBox : {false, true}) {
        command(frmMain::mnuSettings);
        settings().setEventsText("99");
        press(frmSettings::Option4);
        closeBox ? void(SendMessageA(settings().hwnd(), WM_CLOSE, 0, 0)) : press(frmSettings::Command2);
        EXPECT_TRUE(!app->settingsDialogExists() && IsWindowEnabled(main().hwnd())) << closeBox;
    }
    EXPECT_TRUE(machine.texts() == before && panel(frmMain::StatusBar1, 1) == "Status: Running");
    EXPECT_TRUE(settings().primaryButton());  // made afresh from the store
    command(frmMain::mnuAlwaysOnTop);
    command(frmMain::mnuSettings);
    command(frmMain::mnuAlwaysOnTop);  // off again: the open dialog is never made non-topmost
    SetWindowPos(settings().hwnd(), nullptr, 0, 0, 410, 310, SWP_NOMOVE | SWP_NOZORDER);  // a size event
    EXPECT_TRUE(isTopMost(settings().hwnd()));
}

TEST_F(SettingsDialog, KeysWorkAsInADialogAndAnOptionExcludesItsPartnerOnly) {
    command(frmMain::mnuSettings);
    MessageRouter router(main().hwnd(), frmMain::mnuContents);
    const auto key = [&](UINT message, WPARAM code) {
        PostMessageA(GetFocus(), message, code, message == WM_SYSCHAR ? (1 << 29) : 0);
        pumpUntil([] { return false; }, 100, &router);
    };
    key(WM_KEYDOWN, VK_TAB);
    key(WM_KEYDOWN, VK_TAB);  // past Cancel to the selected one of the first pair
    EXPECT_EQ(GetFocus(), settings().control(frmSettings::Option2));
    key(WM_KEYDOWN, VK_LEFT);
    EXPECT_TRUE(settings().adDetectorOn() && settings().primaryButton() && settings().loop());
    SetFocus(settings().control(frmSettings::Text1));
    key(WM_KEYDOWN, VK_RETURN);  // Enter and Escape do nothing
    key(WM_KEYDOWN, VK_ESCAPE);
    settings().setEventsText("6");
    key(WM_SYSCHAR, 'o');
    EXPECT_EQ(machine.texts()["Events"], "6");
    command(frmMain::mnuSettings);
    key(WM_SYSCHAR, 'c');
    EXPECT_FALSE(app->settingsDialogExists());
}
