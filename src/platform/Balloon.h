// A balloon tip pointing at a place on the screen, shown without taking the focus
// from anyone; it goes when its close button is pressed or hide() is called.
#pragma once

#include "platform/Win32.h"

#include <string>

class Balloon {
public:
    Balloon() = default;
    Balloon(const Balloon&) = delete;
    Balloon& operator=(const Balloon&) = delete;
    ~Balloon();

    void show(POINT tipAt, const std::string& title, const std::string& text);
    void hide();
    bool shown() const;

private:
    HWND tooltip_ = nullptr;
    std::string title_, text_;  // the tooltip reads them while it shows
};
