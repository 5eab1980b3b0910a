#include "settings/frmAbout.h"

#include "platform/Window.h"
#include "resource.h"
#include "version.h"

#include <array>

namespace {

using K = ControlKind;
constexpr int W = ControlLayout::kInWindow;

constexpr std::array<ControlLayout, frmAbout::kControlCount> kLayout{{
    {"Command1", K::PushButton, W, "&Ok", {1680, 2640, 1215, 375}},
    {"Label6", K::Label, W, "", {120, 1680, 4455, 855}},
    {"Label1", K::Label, W, CLIKPAD_PRODUCT_NAME " v" CLIKPAD_VERSION_TEXT, {120, 120, 1815, 255}},
}};

// It ends with a blank.
constexpr const char* kLegalNotice = CLIKPAD_COPYRIGHT
    ". All rights reserved. This program is provided as is, "
    "without warranty of any kind, either expressed or implied. ";

}  // namespace

frmAbout::frmAbout(const MainWindowLink& mainWindow) : Dialog(mainWindow.window(), Command1) {
    createWindow({"About " CLIKPAD_PRODUCT_NAME, WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME, 4680, 3150,
                  IDI_CLIKPAD});
    createControls(kLayout);
    onCommand(controlId(Command1), [this] { Unload(); });
    onCommand(IDCANCEL, [this] { Unload(); });  // Escape, as the dialog manager gives it
    Form_Load(mainWindow);
}

void frmAbout::Form_Load(const MainWindowLink& mainWindow) {
    // The reverse of the Settings dialog: topmost unless the main window already is.
    setTopMost(hwnd(), !mainWindow.alwaysOnTopChecked());
    setWindowText(control(Label6), kLegalNotice);
}
