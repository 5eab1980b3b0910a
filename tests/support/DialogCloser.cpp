#include "DialogCloser.h"

DialogCloser::DialogCloser(std::string title) : title_(std::move(title)), thread_([this] { watch(); }) {}

DialogCloser::~DialogCloser() {
    stop_ = true;
    thread_.join();
}

std::vector<std::string> DialogCloser::texts() const {
    std::lock_guard lock(mutex_);
    return texts_;
}

void DialogCloser::watch() {
    while (!stop_) {
        if (HWND box = FindWindowA("#32770", title_.c_str()); box && IsWindowVisible(box)) {
            char text[1024] = {};
            GetDlgItemTextA(box, 0xFFFF, text, sizeof text);  // the message's static control
            {
                std::lock_guard lock(mutex_);
                texts_.emplace_back(text);
            }
            PostMessageA(box, WM_COMMAND, IDOK, 0);
            while (!stop_ && IsWindow(box)) Sleep(10);
        }
        Sleep(10);
    }
}
