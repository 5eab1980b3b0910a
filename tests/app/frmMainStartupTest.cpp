#include "AppTesting.h"
#include "TestWindow.h"
#include "platform/RegKey.h"
#include "registry/RegistryError.h"

namespace {
bool isTopMost(HWND window) { return (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

int iconWidth(HWND window, WPARAM which) {
    return IconWidth(reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, which, 0)));
}

// Today's thicker frames, taller captions and menu bars, for the life of a test.
class LargeWindowMetrics {
public:
    LargeWindowMetrics() {
        saved_.cbSize = sizeof saved_;
        SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof saved_, &saved_, 0);
        NONCLIENTMETRICSA large = saved_;
        large.iCaptionHeight += 16;
        large.iMenuHeight += 16;
        large.iBorderWidth += 4;
        large.iPaddedBorderWidth = 8;
        SystemParametersInfoA(SPI_SETNONCLIENTMETRICS, sizeof large, &large, 0);
    }
    ~LargeWindowMetrics() { SystemParametersInfoA(SPI_SETNONCLIENTMETRICS, sizeof saved_, &saved_, 0); }

private:
    NONCLIENTMETRICSA saved_{};
};

}  // namespace

using Startup = AppTest;

TEST_F(Startup, FreshRegistryGetsDefaultsAndTheDialogShowsThem) {
    RegDeleteTreeA(machine.hiveHandle(), machine.path().c_str());
    start();
    EXPECT_EQ(machine.valueNames().size(), 7u);
    EXPECT_EQ(machine.textOf("Ver"), "4.3");

    ASSERT_TRUE(app->settingsDialogExists());
    frmSettings& settings = app->settingsDialog();
    EXPECT_FALSE(IsWindowVisible(settings.hwnd()));
    EXPECT_TRUE(IsChecked(settings.control(frmSettings::Option3)));
    EXPECT_FALSE(IsChecked(settings.control(frmSettings::Option4)));
    EXPECT_TRUE(IsChecked(settings.control(frmSettings::Option2)));
    EXPECT_FALSE(IsChecked(settings.control(frmSettings::Option1)));
    EXPECT_EQ(settings.eventsText(), "4");
    EXPECT_FALSE(IsChecked(settings.control(frmSettings::Check1)));
    EXPECT_TRUE(IsChecked(settings.control(frmSettings::Option5)));
    EXPECT_FALSE(IsChecked(settings.control(frmSettings::Option6)));

    EXPECT_EQ(panel(frmMain::StatusBar1, 1), "Status: Stopped");
    EXPECT_EQ(panel(frmMain::StatusBar1, 2), "Ad Detector: Off");
    EXPECT_EQ(panel(frmMain::StatusBar2, 1), "Timer: 0");
    EXPECT_EQ(panel(frmMain::StatusBar2, 2), "Clicks: 0");
    EXPECT_FALSE(Menu::IsChecked(main().menuBar(), frmMain::mnuAlwaysOnTop));
    EXPECT_FALSE(isTopMost(main().hwnd()));
    EXPECT_TRUE(IsWindowVisible(main().hwnd()));
}

TEST_F(Startup, AnotherVersionIsResetBeforeAnythingIsApplied) {
    storeCurrent({{"Ver", "4.2"}, {"Button", "False"}, {"DetAd", "True"}, {"Events", "9,9"}, {"Loop", "False"},
                  {"OnTop", "1"}, {"Hide", "1"}});
    machine.putText("Legacy", "kept");
    start();
    frmSettings& settings = app->settingsDialog();
    EXPECT_TRUE(settings.primaryButton());
    EXPECT_FALSE(settings.adDetectorOn());
    EXPECT_EQ(settings.eventsText(), "4");
    EXPECT_TRUE(settings.loop());
    EXPECT_FALSE(settings.minimizeBesideClock());
    EXPECT_FALSE(Menu::IsChecked(main().menuBar(), frmMain::mnuAlwaysOnTop));
    EXPECT_EQ(machine.textOf("Ver"), "4.3");
    EXPECT_EQ(machine.textOf("Legacy"), "kept");
}

TEST_F(Startup, OnlyTheExactTextsSelectTheFirstChoice) {
    storeCurrent({{"Button", "true"}, {"DetAd", "True"}, {"Hide", "True"}, {"Loop", "true"}, {"Events", "5,10"}});
    start();
    frmSettings& settings = app->settingsDialog();
    EXPECT_FALSE(settings.primaryButton());
    EXPECT_TRUE(IsChecked(settings.control(frmSettings::Option4)));
    EXPECT_TRUE(settings.adDetectorOn());
    EXPECT_EQ(panel(frmMain::StatusBar1, 2), "Ad Detector: On");
    EXPECT_FALSE(settings.minimizeBesideClock());
    EXPECT_FALSE(settings.loop());
    EXPECT_TRUE(IsChecked(settings.control(frmSettings::Option6)));
    EXPECT_EQ(settings.eventsText(), "5,10");
}

TEST_F(Startup, MissingEventsLeaveAnEmptyTextBox) {
    storeCurrent();
    RegKey key;
    RegOpenKeyExA(machine.hiveHandle(), machine.path().c_str(), 0, KEY_SET_VALUE, key.receive());
    RegDeleteValueA(key.get(), "Events");
    start();
    EXPECT_EQ(app->settingsDialog().eventsText(), "");
    EXPECT_FALSE(machine.has("Events"));  // the marker is current: nothing is written
}

TEST_F(Startup, OnTopMakesTheWindowTopmostWithItsCheckMark) {
    storeCurrent({{"OnTop", "1"}});
    start();
    EXPECT_TRUE(Menu::IsChecked(main().menuBar(), frmMain::mnuAlwaysOnTop));
    EXPECT_TRUE(isTopMost(main().hwnd()));
    // The dialog was loaded before the check mark was set, so it stays as it was.
    EXPECT_FALSE(isTopMost(app->settingsDialog().hwnd()));
}

TEST_F(Startup, WindowLayoutCaptionsAndMenus) {
    storeCurrent();
    start();
    EXPECT_EQ(WindowText(main().hwnd()), "Clikpad");
    const LONG style = GetWindowLongA(main().hwnd(), GWL_STYLE);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);

    EXPECT_EQ(WindowText(control(frmMain::Command1)), "Start");
    EXPECT_EQ(WindowText(control(frmMain::Command2)), "Pause");
    EXPECT_EQ(WindowText(control(frmMain::Command3)), "Stop");
    EXPECT_TRUE(IsWindowEnabled(control(frmMain::Command1)));
    EXPECT_FALSE(IsWindowEnabled(control(frmMain::Command2)));
    EXPECT_FALSE(IsWindowEnabled(control(frmMain::Command3)));
    EXPECT_EQ(GetFocus(), control(frmMain::Command1));
    EXPECT_EQ(main().panelTips().text(control(frmMain::StatusBar2), 1), "Time left until next attempted click");
    EXPECT_EQ(main().panelTips().text(control(frmMain::StatusBar2), 2), "Total number of clicks/games played");

    // The status bars sit in the order of the layout: Timer/Clicks above Status/Ad Detector.
    RECT upper{}, lower{};
    GetWindowRect(control(frmMain::StatusBar2), &upper);
    GetWindowRect(control(frmMain::StatusBar1), &lower);
    EXPECT_LT(upper.top, lower.top);

    HMENU bar = main().menuBar();
    ASSERT_EQ(GetMenuItemCount(bar), 2);
    char caption[64] = {};
    GetMenuStringA(bar, 0, caption, sizeof caption, MF_BYPOSITION);
    EXPECT_STREQ(caption, "&Options");
    GetMenuStringA(bar, 1, caption, sizeof caption, MF_BYPOSITION);
    EXPECT_STREQ(caption, "&Help");
    EXPECT_EQ(Menu::Caption(bar, frmMain::mnuSettings), "&Settings");
    EXPECT_EQ(Menu::Caption(bar, frmMain::mnuAlwaysOnTop), "&Always On Top");
    EXPECT_EQ(Menu::Caption(bar, frmMain::mnuExit), "E&xit");
    EXPECT_EQ(Menu::Caption(bar, frmMain::mnuContents), "Contents\tF1");
    EXPECT_EQ(Menu::Caption(bar, frmMain::mnuAbout), "About Clikpad");
    HMENU popup = main().mnuHidden();
    EXPECT_EQ(GetMenuItemCount(popup), 10);
    EXPECT_EQ(Menu::Caption(popup, frmMain::mnuHiddenRestore), "Restore");
    EXPECT_EQ(Menu::Caption(popup, frmMain::mnuHiddenExit), "Exit");
}

TEST_F(Startup, EveryWindowHoldsItsControlsAtLargeWindowMetrics) {
    const LargeWindowMetrics large;
    storeCurrent();
    start();
    command(frmMain::mnuHiddenAbout);
    for (Form* form : std::initializer_list<Form*>{&main(), &app->settingsDialog(), app->aboutBox()}) {
        RECT client{};
        GetClientRect(form->hwnd(), &client);
        for (int index = 0; index < form->controlCount(); ++index) {
            if (form == &main() && index == frmMain::Picture2) continue;  // out of sight by design
            RECT bounds{};
            GetWindowRect(form->control(index), &bounds);
            MapWindowPoints(nullptr, form->hwnd(), reinterpret_cast<POINT*>(&bounds), 2);
            EXPECT_LE(bounds.bottom, client.bottom) << WindowText(form->hwnd()) << " control " << index;
            EXPECT_LE(bounds.right, client.right) << WindowText(form->hwnd()) << " control " << index;
        }
    }
}

TEST_F(Startup, EveryWindowCarriesTheProgramIconInBothSizes) {
    storeCurrent();
    start();
    command(frmMain::mnuHiddenAbout);
    for (HWND window : {main().hwnd(), app->settingsDialog().hwnd(), app->aboutBox()->hwnd()}) {
        EXPECT_EQ(iconWidth(window, ICON_SMALL), GetSystemMetrics(SM_CXSMICON)) << WindowText(window);
        EXPECT_EQ(iconWidth(window, ICON_BIG), GetSystemMetrics(SM_CXICON)) << WindowText(window);
    }
}

TEST_F(Startup, ClosingTheMainWindowClosesTheDialogToo) {
    storeCurrent();
    start();
    HWND dialog = app->settingsDialog().hwnd();
    SendMessageA(main().hwnd(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_FALSE(main().exists());
    MSG quit;
    EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST_F(Startup, UnwritableSettingsStopTheStartBeforeAnyWindowShows) {
    const SettingsLocation nowhere{static_cast<std::int32_t>(0x80000009), "Software"};
    SettingsStore::chooseLocation(nowhere, nowhere);
    EXPECT_THROW(start(), RegistryError);
    EXPECT_EQ(FindWindowA("ClikpadForm", "Clikpad"), nullptr);
}
