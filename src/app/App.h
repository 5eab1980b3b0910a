// Owns the program's windows the way a forms runtime owns its default instances:
// the main window for the program's life, the Settings dialog from its first use
// until it is closed (made again, hidden, by the next use).
#pragma once

#include "app/frmMain.h"
#include "settings/frmSettings.h"

#include <memory>

class App {
public:
    // Brings up the main window: load step, then shown. Errors of the load step
    // propagate to the caller; nothing is shown then.
    App();
    ~App();

    frmMain& mainWindow() { return *main_; }
    frmSettings& settingsDialog();
    bool settingsDialogExists() const { return settings_ && settings_->exists(); }

    void unloadDialogs();

private:
    std::unique_ptr<frmMain> main_;
    std::unique_ptr<frmSettings> settings_;
};
