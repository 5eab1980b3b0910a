// The run's two system-wide hot keys, registered for the main window while it exists:
// the run key starts a stopped run and otherwise pauses or continues it, the stop key stops it.
#pragma once

#include "platform/Win32.h"
#include "settings/SettingsStore.h"

class RunHotKeys {
public:
    static constexpr int kRunId = 1;
    static constexpr int kStopId = 2;

    void attach(HWND window) { window_ = window; }
    // In place of the keys held now, each registered on its own: a key another program
    // holds takes nothing from the other. Returns the keys another program holds, 0 for
    // each that is in force (or none).
    HotKeys use(const HotKeys& keys);
    // Gives both back to Windows; what was chosen stays known.
    void release();
    const HotKeys& chosen() const { return chosen_; }
    const HotKeys& inForce() const { return inForce_; }

private:
    HWND window_ = nullptr;
    HotKeys chosen_, inForce_;
};
