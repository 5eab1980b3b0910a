// What the Settings dialog and the About box need of the main window, without
// knowing the main window itself.
#pragma once

#include "platform/Win32.h"
#include "settings/SettingsStore.h"

#include <string>

class MainWindowLink {
public:
    virtual HWND window() const = 0;
    virtual bool alwaysOnTopChecked() const = 0;
    // After a save: show the ad detector state and end any run, as Stop does.
    virtual void settingsSaved(bool adDetectorOn) = 0;
    // Registers the run's hot keys at once in place of the ones held. Returns the name
    // of a key another program holds, the old keys staying then, or "" when done.
    virtual std::string useHotKeys(const HotKeys& keys) = 0;

protected:
    ~MainWindowLink() = default;
};
