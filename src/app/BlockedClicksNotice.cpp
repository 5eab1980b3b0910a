#include "app/BlockedClicksNotice.h"

#include "platform/StatusBar.h"
#include "version.h"

#include <utility>

const char* const BlockedClicksNotice::kText =
    "Windows does not let " CLIKPAD_PRODUCT_NAME
    " click here: the window under the pointer belongs to a program running with higher rights, or the screen is "
    "locked or shows a prompt of Windows. Those clicks are skipped and not counted; the run goes on. To click into "
    "a program running as administrator, start " CLIKPAD_PRODUCT_NAME " as administrator.";

void BlockedClicksNotice::show() {
    if (IsIconic(window_)) {
        waitingForWindow_ = true;
        flashTaskbarButton();
        return;
    }
    balloon_.show(StatusBar::panelBottom(statusBar_, 1), kTitle, kText);
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
