#include "DialogCloser.h"

#include <ostream>

DialogCloser::DialogCloser() : thread_([this] { watch(); }) {}

DialogCloser::~DialogCloser() {
    stop_ = true;
    thread_.join();
}

std::vector<ShownBox> DialogCloser::boxes() const {
    std::lock_guard lock(mutex_);
    return boxes_;
}

HWND DialogCloser::findBox() const {
    struct Search {
        DWORD process;
        HWND found;
    } search{GetCurrentProcessId(), nullptr};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto* search = reinterpret_cast<Search*>(data);
            char className[16] = {};
            GetClassNameA(window, className, sizeof className);
            DWORD process = 0;
            GetWindowThreadProcessId(window, &process);
            if (process == search->process && std::string(className) == "#32770" && IsWindowVisible(window)) {
                search->found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void DialogCloser::watch() {
    while (!stop_) {
        if (HWND box = findBox()) {
            char title[256] = {}, text[1024] = {};
            GetWindowTextA(box, title, sizeof title);
            GetDlgItemTextA(box, 0xFFFF, text, sizeof text);  // the message's static control
            {
                std::lock_guard lock(mutex_);
                boxes_.push_back({title, text});
            }
            PostMessageA(box, WM_COMMAND, IDOK, 0);
            while (!stop_ && IsWindow(box)) Sleep(5);
        }
        Sleep(5);
    }
}

std::ostream& operator<<(std::ostream& out, const ShownBox& box) {
    return out << "[" << box.title << ": '" << box.text << "']";
}
