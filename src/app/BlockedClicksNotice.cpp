#include "app/BlockedClicksNotice.h"

#include "platform/StatusBar.h"

#include <utility>

void BlockedClicksNotice::show() {
    if (IsIconic(window_)) {
        waitingForWindow_ = true;
        flashTaskbarButton();
        return;
    }
    balloon_.show(StatusBar::panelBottom(statusBar_, 1), kTitle, kText, GetDpiForWindow(window_));
}

void BlockedClicksNotice::followWindow() {
    if (!IsWindowVisible(window_)) return hide();  // beside the clock
    if (IsIconic(window_)) {
        if (balloon_.shown()) waitingForWindow_ = true;
        return balloon_.hide();
    }
    if (std::exchange(waitingForWindow_, false)) return show();
    balloon_.moveTo(StatusBar::panelBottom(statusBar_, 1));
}

void BlockedClicksNotice::hide() {
    waitingForWindow_ = false;
    balloon_.hide();
}

void BlockedClicksNotice::flashTaskbarButton() const {
    // Until the user brings the window to the front.
    FLASHWINFO flash{sizeof flash, window_, FLASHW_TRAY | FLASHW_TIMERNOFG, 0, 0};
    FlashWindowEx(&flash);
}
