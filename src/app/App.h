// Owns the program's windows the way a forms runtime owns its default instances:
// the main window for the program's life, the Settings dialog from its first use
// until it is closed (made again, hidden, by the next use), the About box while
// it is shown.
#pragma once

#include "app/FormsHost.h"
#include "app/frmMain.h"
#include "settings/frmAbout.h"
#include "settings/frmClickList.h"
#include "settings/frmHotKeys.h"
#include "settings/frmSettings.h"

#include <memory>

class App final : public FormsHost {
public:
    // Brings up the main window: load step, then shown. Errors of the load step
    // propagate to the caller; nothing is shown then.
    App();
    ~App();

    frmMain& mainWindow() { return *main_; }
    frmSettings& settingsDialog() { return liveSettings(); }
    bool settingsDialogExists() const { return settings_ && settings_->exists(); }
    bool aboutBoxExists() const { return about_ && about_->exists(); }
    frmAbout* aboutBox() { return aboutBoxExists() ? about_.get() : nullptr; }
    frmHotKeys* hotKeysDialog() { return hotKeys_ && hotKeys_->exists() ? hotKeys_.get() : nullptr; }
    frmClickList* clickListDialog() { return clickList_ && clickList_->exists() ? clickList_.get() : nullptr; }

    frmSettings& liveSettings() override;
    void showAbout(Dialog::Holds holds) override;
    void showHotKeys(Dialog::Holds holds) override;
    void showClickList(Dialog::Holds holds) override;
    void unloadDialogs() override;

private:
    std::unique_ptr<frmMain> main_;
    std::unique_ptr<frmSettings> settings_;
    std::unique_ptr<frmAbout> about_;
    std::unique_ptr<frmHotKeys> hotKeys_;
    std::unique_ptr<frmClickList> clickList_;
};
