// The run's two system-wide hot keys, registered for the main window while it exists:
// the run key starts a stopped run and otherwise pauses or continues it, the stop key stops it.
#pragma once

#include "platform/Win32.h"
#include "settings/SettingsStore.h"

#include <string>

class RunHotKeys {
public:
    static constexpr int kRunId = 1;
    static constexpr int kStopId = 2;

    void attach(HWND window) { window_ = window; }
    // In place of the keys held now. When one cannot be registered the keys held
    // before stay, and the name of the one another program holds is returned.
    std::string use(const HotKeys& keys);
    void release();
    const HotKeys& keys() const { return keys_; }

private:
    // The name of the key that cannot be registered; "" when both are, and held.
    std::string registerBoth(const HotKeys& keys);

    HWND window_ = nullptr;
    HotKeys keys_;
};
