#include "settings/frmSettings.h"

#include "platform/MessageBox.h"
#include "platform/Window.h"
#include "resource.h"
#include "settings/SettingsStore.h"
#include "settings/TimeText.h"

#include <array>

namespace {

using K = ControlKind;
constexpr int W = ControlSpec::kInWindow;

// Keyboard order; positions in twips relative to the container.
constexpr std::array<ControlSpec, frmSettings::kControlCount> kLayout{{
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

frmSettings::frmSettings(MainWindowLink& mainWindow) : mainWindow_(mainWindow) {
    createWindow({"Settings", WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME, 5295, 3360, nullptr,
                  IDI_CLIKPAD});
    createControls(kLayout);
    onCommand(controlId(Command1), [this] { Command1_Click(); });
    onCommand(controlId(Command2), [this] { Command2_Click(); });
    Form_Load();
}

void frmSettings::Form_Load() {
    applyAlwaysOnTop();
    SettingsStore store;
    setPrimaryButton(SettingsStore::isTrue(store.read(SettingName::kButton)));
    setAdDetectorOn(SettingsStore::isTrue(store.read(SettingName::kDetAd)));
    setEventsText(store.read(SettingName::kEvents));
    setMinimizeBesideClock(SettingsStore::isOne(store.read(SettingName::kHide)));
    setLoop(SettingsStore::isTrue(store.read(SettingName::kLoop)));
}

void frmSettings::Show() {
    if (!shownBefore_) centreOnScreen(hwnd());
    shownBefore_ = true;
    // A hidden window that is shown gets no size event: the showing counts as one.
    applyAlwaysOnTop();
    ShowWindow(hwnd(), SW_SHOW);
    SetForegroundWindow(hwnd());
    SetFocus(control(Command1));
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
    save();
    mainWindow_.settingsSaved(adDetectorOn());
    Unload();
}

void frmSettings::Command2_Click() { Unload(); }

void frmSettings::save() {
    SettingsStore store;
    store.write(SettingName::kButton, SettingsStore::trueFalseText(primaryButton()));
    store.write(SettingName::kDetAd, SettingsStore::trueFalseText(adDetectorOn()));
    store.write(SettingName::kEvents, eventsText());
    store.write(SettingName::kHide, SettingsStore::oneZeroText(minimizeBesideClock()));
    store.write(SettingName::kLoop, SettingsStore::trueFalseText(loop()));
}

void frmSettings::Unload() {
    if (!exists()) return;
    // The main window is enabled while this one still stands, so that Windows hands
    // activation back to it and not to another program.
    Form_Unload();
    destroy();
}

void frmSettings::Form_Unload() { mainWindow_.enableWindow(); }

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

bool frmSettings::handleMessage(UINT message, WPARAM, LPARAM, LRESULT& result) {
    switch (message) {
    case WM_SIZE:
        applyAlwaysOnTop();
        return false;
    case WM_CLOSE:
        Unload();
        result = 0;
        return true;
    default:
        return false;
    }
}
