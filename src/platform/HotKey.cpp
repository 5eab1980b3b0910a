#include "platform/HotKey.h"

#include <commctrl.h>

namespace HotKey {
namespace {
constexpr BYTE virtualKey(WORD key) { return LOBYTE(key); }
constexpr BYTE modifiers(WORD key) { return HIBYTE(key); }
}  // namespace

bool registerFor(HWND window, int id, WORD key) {
    if (!key) return true;
    UINT mods = MOD_NOREPEAT;  // a key held down starts nothing twice
    if (modifiers(key) & HOTKEYF_ALT) mods |= MOD_ALT;
    if (modifiers(key) & HOTKEYF_CONTROL) mods |= MOD_CONTROL;
    if (modifiers(key) & HOTKEYF_SHIFT) mods |= MOD_SHIFT;
    return RegisterHotKey(window, id, mods, virtualKey(key)) != FALSE;
}

void unregisterFrom(HWND window, int id) { UnregisterHotKey(window, id); }

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
