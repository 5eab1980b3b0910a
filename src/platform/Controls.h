// Child controls built from a form's layout table, and the few calls forms make on them.
#pragma once

#include "platform/Twips.h"
#include "platform/Win32.h"

#include <string>

enum class ControlKind {
    Frame,
    PushButton,
    OptionButton,
    CheckBox,
    TextBox,
    Label,
    PictureBox,
    StatusBar,
    HotKey,
    ListBox
};

struct ControlLayout {
    const char* name;
    ControlKind kind;
    int container;  // index of the containing frame in the same table, or kInWindow
    const char* caption;
    TwipsRect bounds;          // relative to the container
    bool startsGroup = false;  // first option button of a set that excludes each other
    DWORD style = 0;           // added to the kind's own style (SS_ICON, SS_BITMAP, ...)
    static constexpr int kInWindow = -1;
};

std::string windowText(HWND control);
void setWindowText(HWND control, const std::string& text);

bool isChecked(HWND button);
void setChecked(HWND button, bool checked);
