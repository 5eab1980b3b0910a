// What the Settings dialog and the About box need of the main window, without
// knowing the main window itself.
#pragma once

#include "platform/Win32.h"
#include "settings/SettingsStore.h"

class MainWindowLink {
public:
    virtual HWND window() const = 0;
    virtual bool alwaysOnTopChecked() const = 0;
    // After a save: show the ad detector state and end any run, as Stop does.
    virtual void settingsSaved(bool adDetectorOn) = 0;
    // The run's hot keys as last chosen, and those of them in force: a key another
    // program holds is not.
    virtual HotKeys chosenHotKeys() const = 0;
    virtual HotKeys hotKeysInForce() const = 0;
    // Puts the keys in force at once, each on its own, in place of the ones held.
    // Returns those another program holds, 0 for each in force (or none).
    virtual HotKeys useHotKeys(const HotKeys& keys) = 0;
    // Gives the keys back to Windows until the next useHotKeys, so that a hot-key
    // control can take them.
    virtual void releaseHotKeys() = 0;

protected:
    ~MainWindowLink() = default;
};
