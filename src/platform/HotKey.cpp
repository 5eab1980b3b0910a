#include "platform/HotKey.h"

#include "rules/HotKeyRule.h"

#include <commctrl.h>

#include <utility>
#include <vector>

namespace HotKey {
namespace {
constexpr BYTE virtualKey(WORD key) { return LOBYTE(key); }
constexpr BYTE modifiers(WORD key) { return HIBYTE(key); }

std::vector<std::pair<HWND, int>>& registered() {
    static std::vector<std::pair<HWND, int>> keys;
    return keys;
}
}  // namespace

bool registerFor(HWND window, int id, WORD key) {
    if (!key) return true;
    const HotKeyRule::Registration registration = HotKeyRule::registrationOf(key);
    if (!RegisterHotKey(window, id, registration.modifiers, registration.virtualKey)) return false;
    registered().emplace_back(window, id);
    return true;
}

void unregisterFrom(HWND window, int id) {
    UnregisterHotKey(window, id);
    std::erase(registered(), std::pair(window, id));
}

void unregisterAll() {
    for (const auto& [window, id] : std::exchange(registered(), {})) UnregisterHotKey(window, id);
}

std::string name(WORD key) {
    if (!key) return {};
    std::string text;
    if (modifiers(key) & HOTKEYF_CONTROL) text += "Ctrl+";
    if (modifiers(key) & HOTKEYF_SHIFT) text += "Shift+";
    if (modifiers(key) & HOTKEYF_ALT) text += "Alt+";
    LONG scan = static_cast<LONG>(MapVirtualKeyA(virtualKey(key), MAPVK_VK_TO_VSC)) << 16;
    if (modifiers(key) & HOTKEYF_EXT) scan |= 1 << 24;
    char keyName[64] = {};
    if (GetKeyNameTextA(scan, keyName, sizeof keyName) <= 0) return text + "Key " + std::to_string(virtualKey(key));
    return text + keyName;
}

}  // namespace HotKey
