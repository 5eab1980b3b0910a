#include "rules/HotKeyRule.h"

#include <gtest/gtest.h>

namespace {
constexpr std::uint16_t key(unsigned vk, unsigned flags = 0) { return static_cast<std::uint16_t>(vk | flags << 8); }
constexpr unsigned kShift = HotKeyRule::kShiftFlag, kCtrl = HotKeyRule::kControlFlag, kAlt = HotKeyRule::kAltFlag;
constexpr unsigned kExtended = 0x08, kF4 = 0x73, kF6 = 0x75, kF12 = 0x7B, kF13 = 0x7C, kF24 = 0x87, kInsert = 0x2D;
}  // namespace

TEST(HotKeyRule, FunctionKeysAloneOrWithModifiersOtherKeysOnlyWithTwoModifiersNeverF12OrAltF4) {
    // clang-format off
    const std::pair<std::uint16_t, bool> rows[] = {
        {0, true}, {key(kF6), true}, {key(kF6, kShift), true}, {key(kF13), true}, {key(kF24, kCtrl), true},
        {key(kF4), true}, {key(kF4, kCtrl), true}, {key(kF4, kAlt), false}, {key(kF4, kAlt | kCtrl), false},
        {key(kF12), false}, {key(kF12, kCtrl | kShift), false}, {key('A'), false}, {key('A', kShift), false},
        {key('O', kAlt), false}, {key('S', kCtrl), false}, {key('S', kCtrl | kShift), true},
        {key('K', kCtrl | kAlt), true}, {key(kF24 + 1), false}};
    // clang-format on
    for (const auto& [hotKey, allowed] : rows) EXPECT_EQ(HotKeyRule::allowed(hotKey), allowed) << std::hex << hotKey;
}

TEST(HotKeyRule, ARegistrationNeverRepeatsAndKnowsNoExtendedKeys) {
    using namespace HotKeyRule;
    EXPECT_EQ(registrationOf(key(kF6, kCtrl | kAlt | kShift)),
              (Registration{kModNoRepeat | kModControl | kModAlt | kModShift, kF6}));
    EXPECT_TRUE(sameKey(key(kInsert, kCtrl | kShift | kExtended), key(kInsert, kCtrl | kShift)));
    EXPECT_FALSE(sameKey(key(kInsert, kCtrl | kShift), key(kInsert, kCtrl | kAlt)));
}
