// Clikpad as a user meets it: the real program in its own process, driven with
// the real pointer and keyboard. Waits are for states; click times are checked
// with a slack of 0.35 s, a timer tick's worth of scheduling under Wine.
#include "E2eTesting.h"

#include <cmath>

namespace {

constexpr double kSlackSeconds = 0.35;

const std::map<std::string, std::string> kDefaults = {{"Button", "True"}, {"DetAd", "False"}, {"Events", "4"},
                                                       {"Hide", "0"},     {"Loop", "True"},   {"Ver", "4.3"},
                                                       {"OnTop", "0"}};

std::vector<double> secondsBetweenClicks(const TestWindow& target, UINT upMessage) {
    const auto ups = target.receivedOf({upMessage});
    std::vector<double> gaps;
    for (std::size_t i = 1; i < ups.size(); ++i) gaps.push_back(SecondsBetween(ups[i - 1].ticks, ups[i].ticks));
    return gaps;
}

// The title bar's minimise button, found the way the system finds it.
POINT minimiseButton(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    const int y = rect.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
    for (int x = rect.right - 1; x > rect.left; --x)
        if (SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTMINBUTTON) return {x - 3, y};
    return {rect.right - 40, y};
}

HWND picture2(const ClikpadProcess& clikpad) {
    for (int i = 0;; ++i) {
        HWND picture = clikpad.child(clikpad.main(), "Static", i);
        if (!picture || (GetWindowLongA(picture, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) return picture;
    }
}

}  // namespace

TEST_F(EndToEnd, FirstStartWritesDefaultsAndShowsTheLayout) {
    launch();
    EXPECT_EQ(stored(), kDefaults);
    EXPECT_EQ(TextOf(main()), "Clikpad");
    for (const char* caption : {"Start", "Pause", "Stop"}) EXPECT_NE(clikpad->button(main(), caption), nullptr);
    EXPECT_TRUE(IsWindowEnabled(clikpad->button(main(), "Start")));
    EXPECT_FALSE(IsWindowEnabled(clikpad->button(main(), "Pause")));
    EXPECT_FALSE(IsWindowEnabled(clikpad->button(main(), "Stop")));
    EXPECT_EQ(panel(2, 1), "Timer: 0");
    EXPECT_EQ(panel(2, 2), "Clicks: 0");
    EXPECT_EQ(panel(1, 1), "Status: Stopped");
    EXPECT_EQ(panel(1, 2), "Ad Detector: Off");
    // The menus answer the keyboard: Help > About opens the box.
    chooseMenuItemAt('h', 1);
    HWND about = waitForWindow("About Clikpad");
    ASSERT_NE(about, nullptr);
    clickButton(about, "&Ok");
    EXPECT_TRUE(waitUntilGone(about));
}

TEST_F(EndToEnd, TimesTypedInSettingsDriveALoopThatPausesAndStops) {
    launch();
    HWND settings = openSettings();
    ASSERT_NE(settings, nullptr);
    SaveScreenshot("settings-open");
    typeTimes(settings, "2");
    clickButton(settings, "&Ok");
    ASSERT_TRUE(waitUntilGone(settings));
    EXPECT_EQ(stored().at("Events"), "2");

    clickButton(main(), "Start");
    pointAtTarget();
    ASSERT_TRUE(waitForClicks(3));
    ASSERT_TRUE(waitForPanel(2, 2, "Clicks: 3"));
    SaveScreenshot("running");
    for (const double gap : secondsBetweenClicks(*target, WM_LBUTTONUP)) EXPECT_NEAR(gap, 2.0, kSlackSeconds);

    clickButton(main(), "Pause");
    ASSERT_TRUE(waitForPanel(1, 1, "Status: Paused"));
    SaveScreenshot("paused");
    pointAtTarget();
    PumpFor(3000);  // a paused run makes no click, however long it waits
    EXPECT_EQ(clicksOnTarget(), 3u);
    EXPECT_EQ(TextOf(clikpad->button(main(), "Continue")), "Continue");

    clickButton(main(), "Continue");
    pointAtTarget();
    ASSERT_TRUE(waitForClicks(4));
    clickButton(main(), "Stop");
    EXPECT_TRUE(waitForPanel(1, 1, "Status: Stopped"));
    EXPECT_EQ(panel(2, 1), "Timer: 0");
    EXPECT_EQ(panel(2, 2), "Clicks: 0");
}

TEST_F(EndToEnd, RunOnceWithTheSecondaryButtonStopsByItself) {
    launch();
    HWND settings = openSettings();
    ASSERT_NE(settings, nullptr);
    typeTimes(settings, "1,2");
    clickButton(settings, "Run Once");
    clickButton(settings, "Secondary Button");
    clickButton(settings, "&Ok");
    ASSERT_TRUE(waitUntilGone(settings));

    clickButton(main(), "Start");
    pointAtTarget();
    ASSERT_TRUE(waitForClicks(2, WM_RBUTTONUP));
    EXPECT_TRUE(waitForPanel(1, 1, "Status: Stopped"));
    EXPECT_EQ(clicksOnTarget(WM_LBUTTONUP), 0u);
    const auto gaps = secondsBetweenClicks(*target, WM_RBUTTONUP);
    ASSERT_EQ(gaps.size(), 1u);
    EXPECT_NEAR(gaps[0], 2.0, kSlackSeconds);
    PumpFor(1500);
    EXPECT_EQ(clicksOnTarget(WM_RBUTTONUP), 2u);  // stopped means no more clicks
}

TEST_F(EndToEnd, AdDetectorHoldsClicksWhileTheColourDiffers) {
    store({{"Ver", "4.3"}, {"Events", "1"}, {"Loop", "True"}, {"DetAd", "True"}, {"Button", "True"}});
    launch();
    EXPECT_EQ(panel(1, 2), "Ad Detector: On");
    clickButton(main(), "Start");
    pointAtTarget();
    ASSERT_TRUE(waitForClicks(1));
    target->repaint(RGB(200, 0, 0));
    ASSERT_TRUE(waitForPanel(2, 1, "Timer: 1", 3000));
    PumpFor(2500);
    EXPECT_EQ(clicksOnTarget(), 1u);
    EXPECT_EQ(panel(2, 2), "Clicks: 1");
    target->repaint(RGB(255, 255, 255));
    EXPECT_TRUE(waitForClicks(2, WM_LBUTTONUP, 3000));
}

TEST_F(EndToEnd, TypedValidationShowsItsBoxesAndSavesNothing) {
    launch();
    const auto before = stored();
    HWND settings = openSettings();
    ASSERT_NE(settings, nullptr);
    typeTimes(settings, "5 10");
    clickButton(settings, "&Ok");
    HWND error = waitForWindow("error", "#32770");
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(TextOf(GetDlgItem(error, 0xFFFF)), " ");
    SaveScreenshot("error-box");
    clickButton(error, "OK");
    HWND invalid = waitForWindow("Invalid Entry", "#32770");
    ASSERT_NE(invalid, nullptr);
    EXPECT_EQ(TextOf(GetDlgItem(invalid, 0xFFFF)), "Invalid time detected, please check the Time Event and try again");
    clickButton(invalid, "OK");
    ASSERT_TRUE(waitUntilGone(invalid));
    EXPECT_TRUE(IsWindowVisible(settings));
    EXPECT_EQ(stored(), before);
    clickButton(settings, "&Cancel");
    EXPECT_TRUE(waitUntilGone(settings));
    EXPECT_EQ(stored(), before);
    EXPECT_TRUE(IsWindowEnabled(main()));
}

TEST_F(EndToEnd, BesideTheClockTheRunGoesOnAndTheIconRestores) {
    launch();
    HWND settings = openSettings();
    ASSERT_NE(settings, nullptr);
    typeTimes(settings, "1");
    clickButton(settings, "Minimize beside Clock");
    clickButton(settings, "&Ok");
    ASSERT_TRUE(waitUntilGone(settings));
    EXPECT_EQ(stored().at("Hide"), "1");

    clickButton(main(), "Start");
    UserInput::ClickAt(minimiseButton(main()));
    ASSERT_TRUE(PumpUntil([&] { return !IsWindowVisible(main()); }));
    pointAtTarget();
    const std::size_t before = clicksOnTarget();
    EXPECT_TRUE(waitForClicks(before + 2));

    PostMessageA(picture2(*clikpad), WM_MOUSEMOVE, 0, WM_LBUTTONDBLCLK);  // the icon's double-click
    EXPECT_TRUE(PumpUntil([&] { return IsWindowVisible(main()) && !IsIconic(main()); }));
}

TEST_F(EndToEnd, AlwaysOnTopSurvivesARestart) {
    launch();
    chooseMenu('o', 'a');
    ASSERT_TRUE(PumpUntil([&] { return (GetWindowLongA(main(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }));
    EXPECT_EQ(stored().at("OnTop"), "1");
    chooseMenu('o', 'x');
    ASSERT_TRUE(clikpad->waitForExit());

    launch();
    EXPECT_TRUE(GetWindowLongA(main(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    chooseMenu('o', 'a');  // and back off again
    EXPECT_TRUE(PumpUntil([&] { return (GetWindowLongA(main(), GWL_EXSTYLE) & WS_EX_TOPMOST) == 0; }));
    EXPECT_EQ(stored().at("OnTop"), "0");
}

TEST_F(EndToEnd, ExitEndsTheProcessAndTheNextStartFindsItsSettings) {
    launch();
    HWND settings = openSettings();
    ASSERT_NE(settings, nullptr);
    typeTimes(settings, "7,8");
    clickButton(settings, "&Ok");
    ASSERT_TRUE(waitUntilGone(settings));
    chooseMenu('o', 'x');
    ASSERT_TRUE(clikpad->waitForExit());

    launch();
    settings = openSettings();
    ASSERT_NE(settings, nullptr);
    EXPECT_EQ(TextOf(FindWindowExA(settings, nullptr, "Edit", nullptr)), "7,8");
}

TEST_F(EndToEnd, UnwritableMachineKeyFallsBackToTheUserAndThenReports) {
    // A non-volatile key cannot be made below a volatile one: the machine key
    // becomes unwritable for the program.
    const auto makeVolatileParent = [](HKEY hive) {
        HKEY key = nullptr;
        RegCreateKeyExA(hive, "SOFTWARE\\Talvick Software", 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr,
                        &key, nullptr);
        RegCloseKey(key);
    };
    makeVolatileParent(HKEY_LOCAL_MACHINE);
    launch();
    EXPECT_EQ(stored(HKEY_CURRENT_USER), kDefaults);
    EXPECT_TRUE(stored(HKEY_LOCAL_MACHINE).empty());
    chooseMenu('o', 'x');
    ASSERT_TRUE(clikpad->waitForExit());

    RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE\\Talvick Software");
    makeVolatileParent(HKEY_CURRENT_USER);
    clikpad = std::make_unique<ClikpadProcess>();
    HWND message = waitForWindow("Clikpad", "#32770");
    ASSERT_NE(message, nullptr);
    EXPECT_NE(TextOf(GetDlgItem(message, 0xFFFF)).find("Failed to set registry value"), std::string::npos);
    EXPECT_EQ(clikpad->findWindow("Clikpad", "ClikpadForm"), nullptr);
    clickButton(message, "OK");
    EXPECT_TRUE(clikpad->waitForExit());
}

TEST_F(EndToEnd, ALibraryPlantedBesideTheProgramIsNeverLoaded) {
    // A copy of the program in a folder of its own, its help file beside it, and a
    // library named as the help control that marks the registry when it is loaded.
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "clikpad-planted-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string built = ClikpadExePath();
    const std::string builtFolder = built.substr(0, built.find_last_of('\\'));
    const std::string exe = folder + "\\clikpad-copy.exe";
    ASSERT_TRUE(CopyFileA(built.c_str(), exe.c_str(), FALSE));
    ASSERT_TRUE(CopyFileA((builtFolder + "\\clikpad.chm").c_str(), (folder + "\\clikpad.chm").c_str(), FALSE));
    ASSERT_TRUE(CopyFileA(WindowsPath(PLANTED_LIBRARY).c_str(), (folder + "\\hhctrl.ocx").c_str(), FALSE));
    RegDeleteKeyValueA(HKEY_CURRENT_USER, "Software\\ClikpadTests", "PlantedLibraryLoaded");
    // Wine would take its own help control whatever lies beside the program; told to
    // prefer files for this copy, it searches as Windows does.
    const std::string wineSettings = "Software\\Wine\\AppDefaults\\clikpad-copy.exe\\DllOverrides";
    RegSetKeyValueA(HKEY_CURRENT_USER, wineSettings.c_str(), "hhctrl.ocx", REG_SZ, "native,builtin", 15);
    clikpad = std::make_unique<ClikpadProcess>(exe);
    ASSERT_TRUE(clikpad->waitForMainWindow());
    SetForegroundWindow(main());
    PumpFor(100);
    UserInput::PressKey(VK_F1);
    EXPECT_NE(waitForWindow("Clikpad Help", "HH Parent", 8000), nullptr) << "the system's help did not open";
    DWORD mark = 0, size = sizeof mark;
    EXPECT_NE(RegGetValueA(HKEY_CURRENT_USER, "Software\\ClikpadTests", "PlantedLibraryLoaded", RRF_RT_REG_DWORD,
                           nullptr, &mark, &size),
              ERROR_SUCCESS)
        << "the planted library was loaded";
    clikpad.reset();
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\clikpad-copy.exe");
    for (const char* file : {"\\clikpad-copy.exe", "\\clikpad.chm", "\\hhctrl.ocx"}) DeleteFileA((folder + file).c_str());
    RemoveDirectoryA(folder.c_str());
}
