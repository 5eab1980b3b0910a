#include "settings/frmAbout.h"

#include "platform/Window.h"
#include "resource.h"

#include <array>

namespace {

using K = ControlKind;
constexpr int W = ControlSpec::kInWindow;

constexpr std::array<ControlSpec, frmAbout::kControlCount> kLayout{{
    {"Command1", K::PushButton, W, "&Ok", {1680, 2640, 1215, 375}},
    {"Label6", K::Label, W, "", {120, 1680, 4455, 855}},
    {"Label1", K::Label, W, "Clikpad v4.3", {120, 120, 1815, 255}},
}};

}  // namespace

frmAbout::frmAbout(MainWindowLink& mainWindow) : mainWindow_(mainWindow) {
    createWindow({"About Clikpad", WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME, 4680, 3150, nullptr,
                  IDI_CLIKPAD});
    createControls(kLayout);
    onCommand(controlId(Command1), [this] { Unload(); });
    Form_Load();
}

void frmAbout::Form_Load() {
    // The reverse of the Settings dialog: topmost unless the main window already is.
    setTopMost(hwnd(), !mainWindow_.alwaysOnTopChecked());
    setWindowText(control(Label6), kLegalNotice);
}

void frmAbout::Show() {
    if (!shownBefore_) centreOnScreen(hwnd());
    shownBefore_ = true;
    ShowWindow(hwnd(), SW_SHOW);
    SetForegroundWindow(hwnd());
    SetFocus(control(Command1));
}

void frmAbout::Unload() {
    if (!exists()) return;
    // Enabled before this box goes, so that activation returns to the main window.
    mainWindow_.enableWindow();
    destroy();
}

bool frmAbout::handleMessage(UINT message, WPARAM, LPARAM, LRESULT& result) {
    if (message != WM_CLOSE) return false;
    Unload();
    result = 0;
    return true;
}
