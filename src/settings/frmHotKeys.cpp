#include "settings/frmHotKeys.h"

#include "platform/MessageBox.h"
#include "platform/Window.h"
#include "resource.h"

#include <commctrl.h>

#include <array>

namespace {

using K = ControlKind;
constexpr int W = ControlLayout::kInWindow;

constexpr std::array<ControlLayout, frmHotKeys::kControlCount> kLayout{{
    {"Label1", K::Label, W, "Start, Pause, Continue:", {120, 180, 1815, 255}},
    {"HotKey1", K::HotKey, W, "", {2040, 120, 1695, 315}},
    {"Label2", K::Label, W, "Stop:", {120, 600, 1815, 255}},
    {"HotKey2", K::HotKey, W, "", {2040, 540, 1695, 315}},
    {"Command1", K::PushButton, W, "&Ok", {1200, 1080, 1215, 375}},
    {"Command2", K::PushButton, W, "&Cancel", {2520, 1080, 1215, 375}},
}};

constexpr const char* kTitle = "Hot Keys";

WORD hotKeyIn(HWND control) { return LOWORD(SendMessageA(control, HKM_GETHOTKEY, 0, 0)); }

}  // namespace

frmHotKeys::frmHotKeys(MainWindowLink& mainWindow) : Dialog(mainWindow.window(), HotKey1), mainWindow_(mainWindow) {
    createWindow({kTitle, WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME, 3855, 1575, IDI_CLIKPAD});
    createControls(kLayout);
    onCommand(controlId(Command1), [this] { Command1_Click(); });
    onCommand(controlId(Command2), [this] { Unload(); });
    if (mainWindow.alwaysOnTopChecked()) setTopMost(hwnd(), true);
    show(SettingsStore::hotKeys());
}

HotKeys frmHotKeys::shown() const { return {hotKeyIn(control(HotKey1)), hotKeyIn(control(HotKey2))}; }

void frmHotKeys::show(const HotKeys& keys) {
    SendMessageA(control(HotKey1), HKM_SETHOTKEY, keys.run, 0);
    SendMessageA(control(HotKey2), HKM_SETHOTKEY, keys.stop, 0);
}

void frmHotKeys::Command1_Click() {
    const HotKeys keys = shown();
    if (keys.run && keys.run == keys.stop)
        return showMessage(hwnd(), "Start and Stop need two different keys.", kTitle);
    if (const std::string taken = mainWindow_.useHotKeys(keys); !taken.empty()) {
        return showMessage(
            hwnd(), "The hot key " + taken + " is in use by another program. Choose another key, or none.", kTitle);
    }
    SettingsStore::saveHotKeys(keys);
    Unload();
}
