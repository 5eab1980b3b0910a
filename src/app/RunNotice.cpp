#include "app/RunNotice.h"

#include "platform/StatusBar.h"

#include <utility>

void RunNotice::show(const Text& notice) {
    shown_ = notice;
    if (IsIconic(window_)) {
        waitingForWindow_ = true;
        flashTaskbarButton();
        return;
    }
    balloon_.show(StatusBar::panelBottom(statusBar_, 1), notice.title, notice.text, GetDpiForWindow(window_));
}

void RunNotice::followWindow() {
    if (!IsWindowVisible(window_)) return hide();  // hidden behind its notification icon
    if (IsIconic(window_)) {
        if (balloon_.shown()) waitingForWindow_ = true;
        return balloon_.hide();
    }
    if (std::exchange(waitingForWindow_, false)) return show(shown_);
    balloon_.moveTo(StatusBar::panelBottom(statusBar_, 1));
}

void RunNotice::hide() {
    waitingForWindow_ = false;
    balloon_.hide();
}

void RunNotice::flashTaskbarButton() const {
    // Until the user brings the window to the front.
    FLASHWINFO flash{sizeof flash, window_, FLASHW_TRAY | FLASHW_TIMERNOFG, 0, 0};
    FlashWindowEx(&flash);
}
