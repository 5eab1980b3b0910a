// Menus made from tables, and their items addressed by command id: check marks,
// enabled state, captions.
#pragma once

#include "platform/Handles.h"
#include "platform/Win32.h"

#include <span>
#include <string>

namespace Menu {

struct Item {
    UINT id;  // 0: a separator line
    const char* caption;
};
struct Popup {
    const char* caption;
    std::span<const Item> items;
};

OwnedMenu makePopup(std::span<const Item> items);
OwnedMenu makeBar(std::span<const Popup> popups);

void setChecked(HMENU menu, UINT id, bool checked);
bool isChecked(HMENU menu, UINT id);
void setEnabled(HMENU menu, UINT id, bool enabled);
bool isEnabled(HMENU menu, UINT id);
void setCaption(HMENU menu, UINT id, const std::string& caption);
// The caption without the shortcut that may follow it after a tab ("Start\tF6").
std::string caption(HMENU menu, UINT id);

}  // namespace Menu
