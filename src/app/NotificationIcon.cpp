#include "app/NotificationIcon.h"

#include "version.h"

#include <cstring>

bool NotificationIcon::add(HWND callbackWindow, HICON icon) {
    data_ = {};
    data_.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data_.hWnd = callbackWindow;
    data_.uID = kId;
    data_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data_.uCallbackMessage = kCallbackMessage;
    data_.hIcon = icon;
    // The tip: the product's name, its terminator, and blanks to the end of the 64 bytes.
    std::memset(data_.szTip, ' ', sizeof data_.szTip);
    std::memcpy(data_.szTip, CLIKPAD_PRODUCT_NAME, sizeof CLIKPAD_PRODUCT_NAME);
    shown_ = notificationIconMessage(NIM_ADD, &data_);
    return shown_;
}

bool NotificationIcon::addAgain() {
    shown_ = notificationIconMessage(NIM_ADD, &data_) || notificationIconMessage(NIM_MODIFY, &data_);
    return shown_;
}

void NotificationIcon::remove() {
    notificationIconMessage(NIM_DELETE, &data_);
    shown_ = false;
}

void NotificationIcon::showBalloon(const std::string& title, const std::string& text) {
    // The balloon needs the record's later, longer form; the icon is addressed as before.
    NOTIFYICONDATAA balloon{};
    balloon.cbSize = sizeof balloon;
    balloon.hWnd = data_.hWnd;
    balloon.uID = data_.uID;
    balloon.uFlags = NIF_INFO;
    balloon.dwInfoFlags = NIIF_WARNING;
    balloon.szInfoTitle[title.copy(balloon.szInfoTitle, sizeof balloon.szInfoTitle - 1)] = '\0';
    balloon.szInfo[text.copy(balloon.szInfo, sizeof balloon.szInfo - 1)] = '\0';
    notificationIconMessage(NIM_MODIFY, &balloon);
}
