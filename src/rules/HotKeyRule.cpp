#include "rules/HotKeyRule.h"

namespace HotKeyRule {
namespace {

constexpr unsigned kF1 = 0x70, kF4 = 0x73, kF12 = 0x7B, kF24 = 0x87;

constexpr unsigned virtualKey(std::uint16_t key) { return key & 0xFFu; }
constexpr unsigned flags(std::uint16_t key) { return key >> 8; }

}  // namespace

Registration registrationOf(std::uint16_t key) {
    unsigned modifiers = kModNoRepeat;
    if (flags(key) & kAltFlag) modifiers |= kModAlt;
    if (flags(key) & kControlFlag) modifiers |= kModControl;
    if (flags(key) & kShiftFlag) modifiers |= kModShift;
    return {modifiers, virtualKey(key)};
}

bool allowed(std::uint16_t key) {
    if (key == 0) return true;
    const unsigned vk = virtualKey(key);
    const bool alt = flags(key) & kAltFlag;
    if (vk == kF12 || (vk == kF4 && alt)) return false;
    if (vk >= kF1 && vk <= kF24) return true;
    const int modifiers = ((flags(key) & kShiftFlag) ? 1 : 0) + ((flags(key) & kControlFlag) ? 1 : 0) + (alt ? 1 : 0);
    return modifiers >= 2;
}

}  // namespace HotKeyRule
