// Which keys may be the run's system-wide hot keys, and how one is registered. A key is
// the word of a hot-key control: the virtual key in the low byte, the HOTKEYF_* modifiers
// in the high byte; 0 is none. The numbers are Windows' own, written out here because
// this layer includes no Windows header.
#pragma once

#include <cstdint>

namespace HotKeyRule {

// HOTKEYF_* of the control's word.
inline constexpr unsigned kShiftFlag = 0x01, kControlFlag = 0x02, kAltFlag = 0x04;
// MOD_* of RegisterHotKey.
inline constexpr unsigned kModAlt = 0x0001, kModControl = 0x0002, kModShift = 0x0004, kModNoRepeat = 0x4000;

struct Registration {
    unsigned modifiers;  // MOD_*
    unsigned virtualKey;
    bool operator==(const Registration&) const = default;
};

// As RegisterHotKey takes the key: the modifiers as MOD_*, and never repeated while held,
// so that a key held down starts nothing twice. The control's extended-key flag is no
// part of it: Insert and the numeric pad's Ins are one key to RegisterHotKey.
Registration registrationOf(std::uint16_t key);
inline bool sameKey(std::uint16_t a, std::uint16_t b) { return registrationOf(a) == registrationOf(b); }

// A key that cannot swallow ordinary typing or another program's shortcuts: F1 to F11
// and F13 to F24 alone or with modifiers (Alt+F4 apart, which closes windows), any other
// key only with at least two of Ctrl, Alt and Shift. F12 is kept for debuggers. None is allowed.
bool allowed(std::uint16_t key);

}  // namespace HotKeyRule
