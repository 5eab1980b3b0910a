// The menu commands, chosen as the menus send them.
#include "AppTesting.h"
#include "DialogCloser.h"
#include "TestWindow.h"
#include "platform/HtmlHelp.h"
#include "platform/MessageLoop.h"
#include "platform/ModuleName.h"

#include <functional>

namespace {

std::vector<std::pair<std::string, std::string>> helpOpened;
void recordHelp(const std::string& file, const std::string& topic) { helpOpened.emplace_back(file, topic); }

bool isTopMost(HWND window) { return (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }


class MenuCommands : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        storeCurrent();
    }
    bool checked() { return Menu::IsChecked(main().menuBar(), frmMain::mnuAlwaysOnTop); }
};

}  // namespace

TEST_F(MenuCommands, AlwaysOnTopTogglesCheckWindowAndStoredValue) {
    start();
    command(frmMain::mnuAlwaysOnTop);
    EXPECT_TRUE(checked());
    EXPECT_TRUE(isTopMost(main().hwnd()));
    EXPECT_EQ(machine.textOf("OnTop"), "1");
    command(frmMain::mnuAlwaysOnTop);
    EXPECT_FALSE(checked());
    EXPECT_FALSE(isTopMost(main().hwnd()));
    EXPECT_EQ(machine.textOf("OnTop"), "0");

    command(frmMain::mnuAlwaysOnTop);
    app.reset();
    start();  // the next start finds it on
    EXPECT_TRUE(checked());
    EXPECT_TRUE(isTopMost(main().hwnd()));
}

TEST_F(MenuCommands, DialogsFromTheMenuBarDisableTheMainWindowUntilClosed) {
    start();
    command(frmMain::mnuSettings);
    EXPECT_FALSE(IsWindowEnabled(main().hwnd()));
    SendMessageA(app->settingsDialog().control(frmSettings::Command2), BM_CLICK, 0, 0);
    EXPECT_TRUE(IsWindowEnabled(main().hwnd()));

    command(frmMain::mnuAbout);
    ASSERT_NE(app->aboutBox(), nullptr);
    EXPECT_TRUE(IsWindowVisible(app->aboutBox()->hwnd()));
    EXPECT_FALSE(IsWindowEnabled(main().hwnd()));
    SendMessageA(app->aboutBox()->control(frmAbout::Command1), BM_CLICK, 0, 0);
    EXPECT_FALSE(app->aboutBoxExists());
    EXPECT_TRUE(IsWindowEnabled(main().hwnd()));
}

TEST_F(MenuCommands, ClosingADialogOpenedFromTheMenuBarActivatesTheMainWindow) {
    // Another program's window, next in line for activation after the main window.
    HWND other = CreateWindowExA(0, "STATIC", "Another program", WS_POPUP | WS_VISIBLE, 600, 600, 200, 100, nullptr,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
    start();
    const auto press = [](HWND button) { SendMessageA(button, BM_CLICK, 0, 0); };
    const auto settings = [&](frmSettings::Control which) { return app->settingsDialog().control(which); };
    const struct {
        const char* road;
        UINT opens;
        std::function<void()> close;
    } roads[] = {
        {"Settings Ok", frmMain::mnuSettings, [&] { press(settings(frmSettings::Command1)); }},
        {"Settings Cancel", frmMain::mnuSettings, [&] { press(settings(frmSettings::Command2)); }},
        {"Settings close box", frmMain::mnuSettings,
         [&] { SendMessageA(app->settingsDialog().hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0); }},
        {"About Ok", frmMain::mnuAbout, [&] { press(app->aboutBox()->control(frmAbout::Command1)); }},
        {"About Alt+F4", frmMain::mnuAbout,
         [&] { SendMessageA(app->aboutBox()->hwnd(), WM_SYSKEYDOWN, VK_F4, 1 << 29); }},
    };
    for (const auto& road : roads) {
        SetForegroundWindow(main().hwnd());
        command(road.opens);
        PumpFor(50);
        road.close();
        PumpFor(50);
        EXPECT_EQ(GetForegroundWindow(), main().hwnd()) << road.road;
    }
    DestroyWindow(other);
}

TEST_F(MenuCommands, SettingsDialogIsTopmostAtEveryShowingWithAlwaysOnTop) {
    storeCurrent({{"OnTop", "1"}});
    start();
    command(frmMain::mnuHiddenSettings);  // the first showing after a start
    EXPECT_TRUE(isTopMost(app->settingsDialog().hwnd()));
    app.reset();
    storeCurrent();
    start();
    command(frmMain::mnuAlwaysOnTop);
    command(frmMain::mnuHiddenSettings);  // the first showing after switching it on
    EXPECT_TRUE(isTopMost(app->settingsDialog().hwnd()));
}

TEST_F(MenuCommands, DialogsFromThePopupLeaveTheMainWindowEnabled) {
    start();
    command(frmMain::mnuHiddenSettings);
    EXPECT_TRUE(IsWindowVisible(app->settingsDialog().hwnd()));
    EXPECT_TRUE(IsWindowEnabled(main().hwnd()));
    command(frmMain::mnuHiddenAbout);
    EXPECT_TRUE(app->aboutBoxExists());
    EXPECT_TRUE(IsWindowEnabled(main().hwnd()));
}

TEST_F(MenuCommands, AboutBoxShowsNameNoticeAndIsTopmostOnlyWithoutAlwaysOnTop) {
    start();
    command(frmMain::mnuAbout);
    frmAbout* about = app->aboutBox();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(WindowText(about->hwnd()), "About Clikpad");
    EXPECT_EQ(WindowText(about->control(frmAbout::Label1)), "Clikpad v4.3");
    const std::string notice = WindowText(about->control(frmAbout::Label6));
    EXPECT_NE(notice.find("Talvick Software"), std::string::npos);
    EXPECT_EQ(notice.back(), ' ');
    EXPECT_EQ(GetFocus(), about->control(frmAbout::Command1));
    EXPECT_TRUE(isTopMost(about->hwnd()));
    HWND first = about->hwnd();
    command(frmMain::mnuHiddenAbout);  // a second About shows the same box
    EXPECT_EQ(app->aboutBox()->hwnd(), first);
    SendMessageA(first, WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindowEnabled(main().hwnd()));

    command(frmMain::mnuAlwaysOnTop);
    command(frmMain::mnuAbout);
    EXPECT_FALSE(isTopMost(app->aboutBox()->hwnd()));
}

TEST_F(MenuCommands, ExitFromTheMenuBarClosesEverything) {
    start();
    command(frmMain::mnuAbout);
    HWND about = app->aboutBox()->hwnd();
    HWND settings = app->settingsDialog().hwnd();
    command(frmMain::mnuExit);
    EXPECT_FALSE(main().exists());
    EXPECT_FALSE(IsWindow(about));
    EXPECT_FALSE(IsWindow(settings));
}

TEST_F(MenuCommands, F1OpensTheHelpBesideTheProgramAtItsStartTopic) {
    start();
    helpOpened.clear();
    const auto previous = HtmlHelp::ReplaceOpener(&recordHelp);
    MessageRouter router(main().hwnd(), frmMain::mnuContents);
    PostMessageA(control(frmMain::Command1), WM_KEYDOWN, VK_F1, 0);
    PumpUntil([] { return !helpOpened.empty(); }, 1000, &router);
    HtmlHelp::ReplaceOpener(previous);
    ASSERT_EQ(helpOpened.size(), 1u);
    EXPECT_EQ(helpOpened[0].first, ExecutableFolder() + "\\clikpad.chm");
    EXPECT_EQ(helpOpened[0].second, "clikpad.htm");
}

TEST_F(MenuCommands, MissingHelpFileShowsNothingOfOurs) {
    start();
    DialogCloser closer;
    // The tests run where no clikpad.chm lies, so the real control finds no file.
    command(frmMain::mnuContents);
    PumpFor(500);
    for (const auto& box : closer.boxes()) EXPECT_NE(box.title, "Clikpad") << box;
    EXPECT_TRUE(main().exists());
}
