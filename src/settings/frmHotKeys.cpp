#include "settings/frmHotKeys.h"

#include "platform/HotKey.h"
#include "platform/MessageBox.h"
#include "platform/Window.h"
#include "resource.h"
#include "rules/HotKeyRule.h"

#include <commctrl.h>

#include <array>

namespace {

using K = ControlKind;
constexpr int W = ControlLayout::kInWindow;

constexpr std::array<ControlLayout, frmHotKeys::kControlCount> kLayout{{
    {"Label1", K::Label, W, "Start, Pause, Continue:", {120, 180, 1815, 255}},
    {"HotKey1", K::HotKey, W, "", {2040, 120, 1695, 315}},
    {"Label3", K::Label, W, "", {120, 495, 3615, 255}},
    {"Label2", K::Label, W, "Stop:", {120, 900, 1815, 255}},
    {"HotKey2", K::HotKey, W, "", {2040, 840, 1695, 315}},
    {"Label4", K::Label, W, "", {120, 1215, 3615, 255}},
    {"Command1", K::PushButton, W, "&Ok", {1200, 1680, 1215, 375}},
    {"Command2", K::PushButton, W, "&Cancel", {2520, 1680, 1215, 375}},
}};

constexpr const char* kTitle = "Hot Keys";
constexpr const char* kAllowedKeys =
    "Choose F1 to F11 or F13 to F24, alone or with Ctrl, Alt or Shift (but not Alt+F4), or another key with at "
    "least two of Ctrl, Alt and Shift, such as Ctrl+Shift+S. Other keys would take ordinary typing or the "
    "shortcuts of other programs, and F12 is kept for debuggers.";

WORD hotKeyIn(HWND control) { return LOWORD(SendMessageA(control, HKM_GETHOTKEY, 0, 0)); }

std::string takenNote(std::uint16_t chosen, std::uint16_t inForce) {
    return chosen && chosen != inForce ? HotKey::name(chosen) + " - in use by another program" : "";
}

}  // namespace

frmHotKeys::frmHotKeys(MainWindowLink& mainWindow)
    : Dialog(mainWindow.window(), HotKey1), mainWindow_(mainWindow), previous_(mainWindow.chosenHotKeys()) {
    createWindow({kTitle, WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME, 3855, 2175, IDI_CLIKPAD});
    createControls(kLayout);
    onCommand(controlId(Command1), [this] { Command1_Click(); });
    onCommand(controlId(Command2), [this] { Unload(); });
    onCommand(IDCANCEL, [this] { Unload(); });  // Escape, as the dialog manager gives it
    if (mainWindow.alwaysOnTopChecked()) setTopMost(hwnd(), true);
    show(previous_);
    const HotKeys inForce = mainWindow.hotKeysInForce();
    setWindowText(control(Label3), takenNote(previous_.run, inForce.run));
    setWindowText(control(Label4), takenNote(previous_.stop, inForce.stop));
    mainWindow_.releaseHotKeys();
}

HotKeys frmHotKeys::shown() const { return {hotKeyIn(control(HotKey1)), hotKeyIn(control(HotKey2))}; }

void frmHotKeys::show(const HotKeys& keys) {
    SendMessageA(control(HotKey1), HKM_SETHOTKEY, keys.run, 0);
    SendMessageA(control(HotKey2), HKM_SETHOTKEY, keys.stop, 0);
}

std::string frmHotKeys::refusal(const HotKeys& keys) const {
    for (const std::uint16_t key : {keys.run, keys.stop})
        if (!HotKeyRule::allowed(key)) return "The hot key " + HotKey::name(key) + " cannot be used. " + kAllowedKeys;
    if (keys.run && HotKeyRule::sameKey(keys.run, keys.stop)) return "Start and Stop need two different keys.";
    return {};
}

void frmHotKeys::Command1_Click() {
    const HotKeys keys = shown();
    if (const std::string refused = refusal(keys); !refused.empty()) return showMessage(hwnd(), refused, kTitle);
    if (const HotKeys taken = mainWindow_.useHotKeys(keys); taken.run || taken.stop) {
        mainWindow_.releaseHotKeys();  // the boxes keep the keys while the dialog is open
        return showMessage(hwnd(),
                           "The hot key " + HotKey::name(taken.run ? taken.run : taken.stop) +
                               " is in use by another program. Choose another key, or none.",
                           kTitle);
    }
    SettingsStore::saveHotKeys(keys);
    saved_ = true;
    Unload();
}

void frmHotKeys::unloading() {
    if (!saved_) mainWindow_.useHotKeys(previous_);
}
