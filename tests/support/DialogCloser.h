// Watches, on a thread of its own, for a message box with the given title; reads
// its text and presses OK, so that a test can go through code that shows one.
#pragma once

#include "platform/Win32.h"

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class DialogCloser {
public:
    explicit DialogCloser(std::string title);
    DialogCloser(const DialogCloser&) = delete;
    DialogCloser& operator=(const DialogCloser&) = delete;
    ~DialogCloser();

    std::vector<std::string> texts() const;

private:
    void watch();

    std::string title_;
    std::atomic<bool> stop_{false};
    mutable std::mutex mutex_;
    std::vector<std::string> texts_;
    std::thread thread_;
};
