// The notice that Windows dropped the clicks of this run, said once per run without
// taking the focus: a balloon hanging from the bottom of the main window, which goes
// with the window when it moves. Beside the clock the icon says it instead. While the
// window is minimised its taskbar button flashes, and the balloon waits for the window.
#pragma once

#include "platform/Balloon.h"
#include "platform/Win32.h"
#include "version.h"

class BlockedClicksNotice {
public:
    static constexpr const char* kTitle = "Clicks blocked by Windows";
    // Whole wherever it is shown: the notification balloon beside the clock takes 255 characters.
    static constexpr const char* kText =
        "Windows blocks " CLIKPAD_PRODUCT_NAME
        "'s clicks here: the window under the pointer belongs to a program "
        "with higher rights, or the screen is locked or shows a Windows prompt. They are skipped and not counted. "
        "To click into such a program, run " CLIKPAD_PRODUCT_NAME " as administrator.";

    // The window it hangs from, and the status bar whose bottom edge it points at.
    void attach(HWND window, HWND statusBar) {
        window_ = window;
        statusBar_ = statusBar;
    }
    void show();
    // After the window moved, was minimised, restored, or hidden beside the clock.
    void followWindow();
    void hide();  // the run it spoke of has ended
    const Balloon& balloon() const { return balloon_; }

private:
    void flashTaskbarButton() const;

    HWND window_ = nullptr;
    HWND statusBar_ = nullptr;
    Balloon balloon_;
    bool waitingForWindow_ = false;
};
