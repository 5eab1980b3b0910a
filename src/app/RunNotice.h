// A notice that clicks of this run were skipped, and why, said without taking the
// focus: a balloon hanging from the bottom of the main window, which goes with the
// window when it moves. Minimised to its notification icon, the icon says it instead;
// minimised to the taskbar, its button flashes and the balloon waits for the window.
#pragma once

#include "platform/Balloon.h"
#include "platform/Win32.h"
#include "version.h"

#include <algorithm>
#include <string_view>

class RunNotice {
public:
    struct Text {
        const char* title;
        const char* text;
    };
    // Whole wherever they are shown: the notification icon's balloon takes 255 characters.
    static constexpr Text kBlockedClicks{
        "Clicks blocked by Windows",
        "Windows blocks " CLIKPAD_PRODUCT_NAME
        "'s clicks here: the window under the pointer belongs to a program "
        "with higher rights, or the screen is locked or shows a Windows prompt. They are skipped and not counted. "
        "To click into such a program, run " CLIKPAD_PRODUCT_NAME " as administrator."};
    static constexpr Text kPointOffScreen{
        "Click point on no screen",
        "A point of the Click List lies on no screen now: a monitor was unplugged or moved. Clicks there are "
        "skipped and not counted; the run goes on. Pick the point again in Options > Click List."};
    static constexpr std::size_t kLongestText =
        std::max(std::string_view(kBlockedClicks.text).size(), std::string_view(kPointOffScreen.text).size());

    // The window it hangs from, and the status bar whose bottom edge it points at.
    void attach(HWND window, HWND statusBar) {
        window_ = window;
        statusBar_ = statusBar;
    }
    void show(const Text& notice);
    // After the window moved, was minimised, restored, or hidden behind its notification icon.
    void followWindow();
    void hide();  // the run it spoke of has ended
    const Balloon& balloon() const { return balloon_; }

private:
    void flashTaskbarButton() const;

    HWND window_ = nullptr;
    HWND statusBar_ = nullptr;
    Balloon balloon_;
    Text shown_{};
    bool waitingForWindow_ = false;
};
