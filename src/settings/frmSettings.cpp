#include "settings/frmSettings.h"

#include "platform/MessageBox.h"
#include "platform/Window.h"
#include "resource.h"
#include "rules/TimeText.h"
#include "settings/SettingsStore.h"

#include <array>

namespace {

using K = ControlKind;
constexpr int W = ControlLayout::kInWindow;

// Keyboard order; positions in twips relative to the container.
constexpr std::array<ControlLayout, frmSettings::kControlCount> kLayout{{
    {"Frame1", K::Frame, W, "Time Events", {120, 120, 2175, 1215}},
    {"Frame2", K::Frame, W, "Loop Options", {120, 1440, 2175, 855}},
    {"Frame3", K::Frame, W, "Visual", {120, 2400, 2175, 855}},
    {"Frame4", K::Frame, W, "Ad Detector", {2400, 120, 2775, 1215}},
    {"Frame5", K::Frame, W, "Buttons", {2400, 1440, 2775, 1215}},
    {"Command1", K::PushButton, W, "&Ok", {2520, 2880, 1215, 375}},
    {"Command2", K::PushButton, W, "&Cancel", {3840, 2880, 1215, 375}},
    {"Label1", K::Label, frmSettings::Frame4, "You can turn this feature on or off.", {120, 360, 2415, 255}},
    {"Option1", K::OptionButton, frmSettings::Frame4, "On", {240, 720, 735, 255}, true},
    {"Option2", K::OptionButton, frmSettings::Frame4, "Off", {1440, 720, 735, 255}},
    {"Option3", K::OptionButton, frmSettings::Frame5, "Primary Button", {240, 360, 1335, 255}, true},
    {"Option4", K::OptionButton, frmSettings::Frame5, "Secondary Button", {240, 720, 1815, 255}},
    {"Label2", K::Label, frmSettings::Frame1, "Time between clicks.", {120, 360, 1935, 255}},
    {"Text1", K::TextBox, frmSettings::Frame1, "", {240, 720, 1695, 310}},
    {"Option5", K::OptionButton, frmSettings::Frame2, "Loop", {120, 360, 735, 255}, true},
    {"Option6", K::OptionButton, frmSettings::Frame2, "Run Once", {960, 360, 1095, 255}},
    {"Check1", K::CheckBox, frmSettings::Frame3, "Minimize beside Clock", {120, 360, 1935, 255}},
}};

}  // namespace

frmSettings::frmSettings(MainWindowLink& mainWindow) : Dialog(mainWindow.window(), Command1), mainWindow_(mainWindow) {
    createWindow({"Settings", WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME, 5295, 3360, IDI_CLIKPAD});
    createControls(kLayout);
    onCommand(controlId(Command1), [this] { Command1_Click(); });
    onCommand(controlId(Command2), [this] { Command2_Click(); });
    Form_Load();
}

void frmSettings::Form_Load() {
    applyAlwaysOnTop();
    apply(SettingsStore::load());
}

void frmSettings::ErrorFunction(const std::string& key) {
    const char* message = nullptr;
    if (key == "invalidchars") message = "Invalid time detected, please check the Time Event and try again";
    if (key == "toohigh")
        message = "You have entered a time value that is higher then 32766, please check the Time Event and try again";
    if (key == "toolow")
        message = "You have entered a time value that is less then 1, please check the Time Event and try again";
    if (message) showMessage(hwnd(), message, "Invalid Entry");
}

void frmSettings::Command1_Click() {
    const auto check = TimeText::checkEvents(eventsText());
    if (check.shownCharacter) showMessage(hwnd(), std::string(1, *check.shownCharacter), "error");
    if (!check.accepted()) {
        ErrorFunction(check.errorKey);
        return;
    }
    SettingsStore::saveDialogSettings(shown());
    mainWindow_.settingsSaved(adDetectorOn());
    Unload();
}

void frmSettings::Command2_Click() { Unload(); }

void frmSettings::apply(const Settings& settings) {
    setPrimaryButton(settings.primaryButton);
    setAdDetectorOn(settings.adDetectorOn);
    setEventsText(settings.events);
    setMinimizeToNotificationIcon(settings.minimizeToNotificationIcon);
    setLoop(settings.loop);
}

Settings frmSettings::shown() const {
    Settings settings;
    settings.primaryButton = primaryButton();
    settings.adDetectorOn = adDetectorOn();
    settings.events = eventsText();
    settings.minimizeToNotificationIcon = minimizeToNotificationIcon();
    settings.loop = loop();
    return settings;
}

void frmSettings::applyAlwaysOnTop() {
    // Made topmost with the main window, and never made non-topmost again while open.
    if (mainWindow_.alwaysOnTopChecked()) setTopMost(hwnd(), true);
}

void frmSettings::setAdDetectorOn(bool on) { on ? selectOne(Option1, Option2) : selectOne(Option2, Option1); }

void frmSettings::setPrimaryButton(bool primary) {
    primary ? selectOne(Option3, Option4) : selectOne(Option4, Option3);
}

void frmSettings::setLoop(bool loop) { loop ? selectOne(Option5, Option6) : selectOne(Option6, Option5); }

void frmSettings::selectOne(Control selected, Control other) {
    setChecked(control(selected), true);
    setChecked(control(other), false);
}

bool frmSettings::handleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_SIZE) applyAlwaysOnTop();
    return Dialog::handleMessage(message, wParam, lParam, result);
}
