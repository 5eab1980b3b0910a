// The Settings dialog shown, edited and closed as a user would.
#include "AppTesting.h"

using SettingsDialog = AppTest;

TEST_F(SettingsDialog, OnlyOkWithAnAcceptedTextSavesAndEndsTheRun) {
    const std::string entry = "Invalid Entry: ", check = ", please check the Time Event and try again";
    const std::pair<std::string, std::vector<std::string>> rows[] = {
        {"5 10", {"error:  ", entry + "Invalid time detected" + check}},
        {"32767", {entry + "You have entered a time value that is higher then 32766" + check}},
        {"", {entry + "You have entered a time value that is less then 1" + check}}};
    start({{"Events", "1"}});
    click(frmMain::Command1);
    const Texts before = user.texts();
    command(frmMain::mnuSettings);
    for (const auto& [text, expected] : rows) {
        settings().setEventsText(text);
        click(settings().control(frmSettings::Command1));
        EXPECT_EQ(boxes.take(), expected) << "'" << text << "'";
        EXPECT_TRUE(IsWindowVisible(settings().hwnd())) << "'" << text << "'";
        EXPECT_EQ(settings().eventsText(), text);
    }
    settings().setEventsText("99");
    click(settings().control(frmSettings::Command2));  // Cancel: gone, nothing saved, the run goes on
    EXPECT_FALSE(app->settingsDialogExists());
    EXPECT_EQ(user.texts(), before);
    EXPECT_EQ(panel(frmMain::StatusBar1, 1), "Status: Running");
    settings().setEventsText("7,8");  // unsaved: showing must not load the store again
    command(frmMain::mnuSettings);
    EXPECT_EQ(settings().eventsText(), "7,8");
    for (const auto option : {frmSettings::Option4, frmSettings::Option1, frmSettings::Check1, frmSettings::Option6})
        click(settings().control(option));
    click(settings().control(frmSettings::Command1));
    const Texts saved{{"Button", "False"}, {"DetAd", "True"}, {"Events", "7,8"}, {"Hide", "1"},
                      {"Loop", "False"},   {"Ver", "4.3"},    {"OnTop", "0"}};
    EXPECT_EQ(user.texts(), saved);
    EXPECT_EQ(panel(frmMain::StatusBar1, 1) + "|" + panel(frmMain::StatusBar1, 2), "Status: Stopped|Ad Detector: On");
}
