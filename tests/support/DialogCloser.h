// Watches, on a thread of its own, for message boxes of this process; reads the
// title and text of each and presses its OK, so that a test can go through code
// that shows them and then see what was shown, in order.
#pragma once

#include "platform/Win32.h"

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

struct ShownBox {
    std::string title;
    std::string text;
    bool operator==(const ShownBox&) const = default;
};

class DialogCloser {
public:
    DialogCloser();
    DialogCloser(const DialogCloser&) = delete;
    DialogCloser& operator=(const DialogCloser&) = delete;
    ~DialogCloser();

    std::vector<ShownBox> boxes() const;

private:
    void watch();
    HWND findBox() const;

    std::atomic<bool> stop_{false};
    mutable std::mutex mutex_;
    std::vector<ShownBox> boxes_;
    std::thread thread_;
};

std::ostream& operator<<(std::ostream& out, const ShownBox& box);
