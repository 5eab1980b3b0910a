// A balloon tip pointing at a place on the screen, shown without taking the focus
// from anyone; it goes when its close button is pressed or hide() is called.
#pragma once

#include "platform/Handles.h"

#include <optional>
#include <string>

class Balloon {
public:
    // At most 320 pixels wide at 96 dots per inch, wider at the DPI of the window it speaks for.
    void show(POINT tipAt, const std::string& title, const std::string& text, UINT dpi);
    // While shown: points at another place, as a window it hangs from moves.
    void moveTo(POINT tipAt);
    void hide();
    bool shown() const;
    std::optional<POINT> pointsAt() const;
    HWND window() const { return tooltip_.get(); }

private:
    OwnedWindow tooltip_;
    POINT tipAt_{};
    std::string title_, text_;  // the tooltip reads them while it shows
};
