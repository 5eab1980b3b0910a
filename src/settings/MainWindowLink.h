// What the Settings dialog and the About box need of the main window, without
// knowing the main window itself.
#pragma once

#include "platform/Win32.h"

class MainWindowLink {
public:
    virtual HWND window() const = 0;
    virtual bool alwaysOnTopChecked() const = 0;
    // After a save: show the ad detector state and end any run, as Stop does.
    virtual void settingsSaved(bool adDetectorOn) = 0;

protected:
    ~MainWindowLink() = default;
};
