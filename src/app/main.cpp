// Clikpad's entry point: the main window is the program.
#include "app/App.h"
#include "platform/FatalError.h"
#include "platform/MessageLoop.h"
#include "settings/SettingsStore.h"

#include <commctrl.h>

#include <memory>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // Users run Clikpad from wherever they saved it, often a downloads folder where
    // any web page can leave a file: libraries come from the system folder only.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_STANDARD_CLASSES | ICC_HOTKEY_CLASS};
    InitCommonControlsEx(&controls);
    std::unique_ptr<App> app;
    try {
        SettingsStore::chooseLocation();
        app = std::make_unique<App>();
    } catch (...) {
        endWithFatalError(std::current_exception());
        return 1;
    }
    return runMessageLoop(app->mainWindow().hwnd(), frmMain::mnuContents);
}
