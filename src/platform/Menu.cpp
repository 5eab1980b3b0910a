#include "platform/Menu.h"

#include <vector>

namespace Menu {

OwnedMenu makePopup(std::span<const Item> items) {
    OwnedMenu menu(CreatePopupMenu());
    for (const auto& [id, text] : items) AppendMenuA(menu.get(), id == 0 ? MF_SEPARATOR : MF_STRING, id, text);
    return menu;
}

OwnedMenu makeBar(std::span<const Popup> popups) {
    OwnedMenu bar(CreateMenu());
    for (const auto& [title, items] : popups) {
        OwnedMenu popup = makePopup(items);
        if (AppendMenuA(bar.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(popup.get()), title)) popup.release();
    }
    return bar;
}

void setChecked(HMENU menu, UINT id, bool checked) {
    CheckMenuItem(menu, id, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

bool isChecked(HMENU menu, UINT id) { return (GetMenuState(menu, id, MF_BYCOMMAND) & MF_CHECKED) != 0; }

void setEnabled(HMENU menu, UINT id, bool enabled) {
    EnableMenuItem(menu, id, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

bool isEnabled(HMENU menu, UINT id) { return (GetMenuState(menu, id, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED)) == 0; }

void setCaption(HMENU menu, UINT id, const std::string& caption) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING;
    std::vector<char> text(caption.begin(), caption.end());
    text.push_back('\0');
    info.dwTypeData = text.data();
    SetMenuItemInfoA(menu, id, FALSE, &info);
}

std::string caption(HMENU menu, UINT id) {
    char text[256] = {};
    GetMenuStringA(menu, id, text, sizeof text, MF_BYCOMMAND);
    const std::string shown = text;
    return shown.substr(0, shown.find('\t'));  // without the shortcut shown after it
}

}  // namespace Menu
