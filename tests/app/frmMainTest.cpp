// The main window as the messages of a user reach it: start-up from the stored
// settings, the run's controls, the menu commands and the dialogs they open.
#include "AppTesting.h"
#include "platform/ClickTarget.h"

#include <functional>

namespace {

class MainWindow : public AppTest {
protected:
    // Buttons, then popup items (S, P, T while enabled), both Pause captions, Timer1, the panels.
    std::string shown() {
        const UINT items[] = {frmMain::mnuHiddenStart, frmMain::mnuHiddenPause, frmMain::mnuHiddenStop};
        std::string text;
        for (int i = 0; i < 3; ++i)
            text += IsWindowEnabled(control(frmMain::Control(frmMain::Command1 + i))) ? "SPT"[i] : '-';
        for (int i = 0; i < 3; ++i) text += Menu::isEnabled(main().mnuHidden(), items[i]) ? "SPT"[i] : '-';
        return text + " " + windowText(control(frmMain::Command2)) + "/" +
               Menu::caption(main().mnuHidden(), frmMain::mnuHiddenPause) +
               (main().Timer1().Enabled() ? " on " : " off ") + panel(frmMain::StatusBar1, 1) + "|" +
               panel(frmMain::StatusBar2, 1) + "|" + panel(frmMain::StatusBar2, 2);
    }
    // The live settings in the dialog, the ad detector panel, the Always On Top mark and state.
    std::string applied() {
        frmSettings& dialog = settings();
        return std::string(dialog.primaryButton() ? "primary" : "secondary") +
               (dialog.adDetectorOn() ? " on '" : " off '") + dialog.eventsText() +
               (dialog.minimizeBesideClock() ? "' beside" : "' taskbar") + (dialog.loop() ? " loop|" : " once|") +
               panel(frmMain::StatusBar1, 2) +
               (Menu::isChecked(main().menuBar(), frmMain::mnuAlwaysOnTop) ? "|checked" : "|unchecked") +
               (isTopMost(main().hwnd()) ? " topmost" : " normal");
    }
};

const std::string kDefaultsApplied = "primary off '4' taskbar loop|Ad Detector: Off|unchecked normal";

}  // namespace

TEST_F(MainWindow, StoredSettingsComeIntoForceAtStartUp) {
    app = std::make_unique<App>();  // no settings key at all
    EXPECT_EQ(applied(), kDefaultsApplied);
    EXPECT_FALSE(IsWindowVisible(settings().hwnd()));
    const std::pair<Texts, std::string> rows[] = {
        {{{"Ver", "4.2"}, {"Button", "False"}, {"DetAd", "True"}, {"Loop", "False"}, {"OnTop", "1"}}, kDefaultsApplied},
        {{{"Button", "False"}, {"DetAd", "True"}, {"Events", "5,10"}, {"Hide", "1"}, {"Loop", "False"}, {"OnTop", "1"}},
         "secondary on '5,10' beside once|Ad Detector: On|checked topmost"},
        {{{"Button", "true"}, {"DetAd", "TRUE"}, {"Events", ""}, {"Hide", "True"}, {"Loop", "true"}, {"OnTop", " 1"}},
         "secondary off '' taskbar once|Ad Detector: Off|unchecked normal"},
    };
    for (const auto& [stored, expected] : rows) {
        app.reset();
        start(stored);
        EXPECT_EQ(applied(), expected);
    }
}

TEST_F(MainWindow, EveryWindowHoldsItsControlsAtLargeWindowMetricsAndCarriesBothIcons) {
    NONCLIENTMETRICSA saved{}, large{};  // today's thicker frames, taller captions and menu bars
    saved.cbSize = sizeof saved;
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof saved, &saved, 0);
    large = saved;
    large.iCaptionHeight += 16, large.iMenuHeight += 16, large.iBorderWidth += 4, large.iPaddedBorderWidth = 8;
    SystemParametersInfoA(SPI_SETNONCLIENTMETRICS, sizeof large, &large, 0);
    start();
    command(frmMain::mnuHiddenAbout);
    SystemParametersInfoA(SPI_SETNONCLIENTMETRICS, sizeof saved, &saved, 0);
    for (Form* form : std::initializer_list<Form*>{&main(), &settings(), app->aboutBox()}) {
        RECT client{}, bounds{};
        GetClientRect(form->hwnd(), &client);
        for (int index = 0; index < form->controlCount(); ++index) {
            GetWindowRect(form->control(index), &bounds);
            MapWindowPoints(nullptr, form->hwnd(), reinterpret_cast<POINT*>(&bounds), 2);
            const bool outByDesign = form == &main() && index == frmMain::Picture2;
            EXPECT_TRUE(outByDesign || (bounds.bottom <= client.bottom && bounds.right <= client.right)) << index;
        }
        for (const auto& [which, metric] : {std::pair{ICON_SMALL, SM_CXSMICON}, std::pair{ICON_BIG, SM_CXICON}})
            EXPECT_EQ(iconWidth(reinterpret_cast<HICON>(SendMessageA(form->hwnd(), WM_GETICON, which, 0))),
                      GetSystemMetrics(metric));
    }
}

TEST_F(MainWindow, ButtonsAndPopupItemsDriveTheRunAndShowItsState) {
    const std::string stopped = "S--S-- Pause/Pause off Status: Stopped|Timer: 0|Clicks: 0";
    start({{"Events", "5"}});
    EXPECT_EQ(shown(), stopped);
    click(frmMain::Command1);
    tick();
    EXPECT_EQ(shown(), "-PT-PT Pause/Pause on Status: Running|Timer: 4|Clicks: 0");
    command(frmMain::mnuHiddenPause);
    EXPECT_EQ(shown(), "-PT-PT Continue/Continue off Status: Paused|Timer: 4|Clicks: 0");
    click(frmMain::Command2);
    EXPECT_EQ(shown(), "-PT-PT Pause/Pause on Status: Running|Timer: 4|Clicks: 0");
    command(frmMain::mnuHiddenStop);
    EXPECT_EQ(shown(), stopped);
    command(frmMain::mnuHiddenStart);
    click(frmMain::Command3);
    EXPECT_EQ(shown(), stopped);
    machine.putText("Events", "");
    click(frmMain::Command1);
    const auto shownBoxes = boxes.take();
    ASSERT_EQ(shownBoxes.size(), 1u);
    EXPECT_TRUE(shownBoxes[0].starts_with("Clikpad: ") &&
                shownBoxes[0].find("Options > Settings") != std::string::npos);
}

TEST_F(MainWindow, ClicksTakeTheirChoicesFromTheLiveSettingsMadeAfreshWhenClosed) {
    start({{"Events", "1"}});
    click(frmMain::Command1);
    settings().setPrimaryButton(false);  // changed in the dialog, not saved
    settings().setAdDetectorOn(true);
    tick();
    EXPECT_TRUE(main().run().state().AdReferenceCaptured);
    settings().Unload();
    tick();  // the dialog is made again, hidden, from the store
    EXPECT_FALSE(IsWindowVisible(settings().hwnd()));
    EXPECT_EQ(mouse.calls(), (std::vector<MouseCall>{{8, 0, 0, 0}, {0x10, 0, 0, 0}, {2, 0, 0, 0}, {4, 0, 0, 0}}));
}

TEST_F(MainWindow, ABlockedClickIsSaidAtTheClickCounterWithoutTakingTheFocusUntilTheRunEnds) {
    const auto previous = ClickTarget::replaceJudge([] { return true; });
    start({{"Events", "1"}});
    click(frmMain::Command1);
    tick();
    EXPECT_TRUE(main().blockedClicksNotice().shown());
    EXPECT_EQ(GetFocus(), control(frmMain::Command2));
    click(frmMain::Command3);
    EXPECT_FALSE(main().blockedClicksNotice().shown());
    ClickTarget::replaceJudge(previous);
}

TEST_F(MainWindow, FocusLeavesADisabledButtonForTheNextOneOnlyWhileTheWindowHasIt) {
    start({{"Events", "1"}, {"Loop", "False"}});
    SetForegroundWindow(main().hwnd());
    click(frmMain::Command1);  // a click focuses the button it disables
    EXPECT_EQ(GetFocus(), control(frmMain::Command2));
    click(frmMain::Command3);
    EXPECT_EQ(GetFocus(), control(frmMain::Command1));
    click(frmMain::Command1);
    SetFocus(control(frmMain::Command3));
    tick();  // the end of a Run Once run
    EXPECT_EQ(GetFocus(), control(frmMain::Command1));
    HWND elsewhere =
        CreateWindowExA(0, "EDIT", "", WS_POPUP | WS_VISIBLE, 0, 0, 80, 20, nullptr, nullptr, nullptr, nullptr);
    SetFocus(elsewhere);
    command(frmMain::mnuHiddenStart);
    EXPECT_EQ(GetFocus(), elsewhere);
    DestroyWindow(elsewhere);
}

TEST_F(MainWindow, DialogsFromTheMenuBarHoldTheMainWindowUntilTheyCloseThenActivateIt) {
    // Another program's window, next in line for activation after the main window.
    HWND other =
        CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 600, 600, 200, 100, nullptr, nullptr, nullptr, nullptr);
    start();
    const std::pair<UINT, std::function<void()>> roads[] = {
        {frmMain::mnuSettings, [&] { click(settings().control(frmSettings::Command1)); }},
        {frmMain::mnuSettings, [&] { click(settings().control(frmSettings::Command2)); }},
        {frmMain::mnuSettings, [&] { SendMessageA(settings().hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0); }},
        {frmMain::mnuAbout, [&] { click(app->aboutBox()->control(frmAbout::Command1)); }},
        {frmMain::mnuAbout, [&] { SendMessageA(app->aboutBox()->hwnd(), WM_SYSKEYDOWN, VK_F4, 1 << 29); }},  // Alt+F4
    };
    int road = 0;
    for (const auto& [opens, close] : roads) {
        SetForegroundWindow(main().hwnd());
        command(opens);
        EXPECT_FALSE(IsWindowEnabled(main().hwnd())) << road;
        pumpFor(50);
        close();
        pumpFor(50);
        EXPECT_EQ(GetForegroundWindow(), main().hwnd()) << road++;
    }
    command(frmMain::mnuHiddenSettings);
    command(frmMain::mnuHiddenAbout);
    EXPECT_TRUE(IsWindowVisible(settings().hwnd()) && app->aboutBoxExists());
    EXPECT_TRUE(IsWindowEnabled(main().hwnd()));  // from the popup the main window stays enabled
    DestroyWindow(other);
}

TEST_F(MainWindow, AlwaysOnTopPutsTheWindowAndTheSettingsDialogOnTopButNotTheAboutBox) {
    start({{"OnTop", "1"}});
    command(frmMain::mnuHiddenSettings);  // the first showing after a start
    command(frmMain::mnuHiddenAbout);
    EXPECT_TRUE(isTopMost(settings().hwnd()) && !isTopMost(app->aboutBox()->hwnd()));
    app.reset();
    start();
    RECT before{}, after{};
    GetWindowRect(main().hwnd(), &before);
    command(frmMain::mnuHiddenAbout);
    HWND about = app->aboutBox()->hwnd();
    EXPECT_EQ(windowText(app->aboutBox()->control(frmAbout::Label1)), "Clikpad v4.3");
    for (const std::string stored : {"1", "0", "1"}) {
        command(frmMain::mnuAlwaysOnTop);
        EXPECT_EQ(Menu::isChecked(main().menuBar(), frmMain::mnuAlwaysOnTop), stored == "1");
        EXPECT_EQ(isTopMost(main().hwnd()), stored == "1");
        EXPECT_EQ(machine.texts()["OnTop"], stored);
    }
    GetWindowRect(main().hwnd(), &after);
    EXPECT_TRUE(EqualRect(&before, &after));  // position and size stay
    command(frmMain::mnuHiddenSettings);      // the first showing after switching it on
    command(frmMain::mnuHiddenAbout);         // the open box is shown as it is
    EXPECT_TRUE(isTopMost(settings().hwnd()) && isTopMost(about) && app->aboutBox()->hwnd() == about);
}
