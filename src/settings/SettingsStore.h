// The settings that survive a restart: seven text values under one registry key,
// guarded by the marker "Ver". The reading rules live here and nowhere else. Each
// operation opens its own cRegistry and lets it go; no key stays open in between.
#pragma once

#include "registry/cRegistry.h"
#include "rules/ClickPoints.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

struct SettingsLocation {
    std::int32_t hive = 0;
    std::string path;
    bool operator==(const SettingsLocation&) const = default;
};

// The settings as the program uses them; a value that is missing or holds any other
// text means the second choice.
struct Settings {
    bool primaryButton = false;               // "Button" is "True"
    bool adDetectorOn = false;                // "DetAd" is "True"
    std::string events;                       // "Events" as stored
    bool minimizeToNotificationIcon = false;  // "Hide" is "1"
    bool loop = false;                        // "Loop" is "True"
    bool alwaysOnTop = false;                 // "OnTop" is "1"
};

// The run's two system-wide hot keys, each the word of a hot-key control (virtual
// key in the low byte, HOTKEYF_* modifiers in the high byte), 0 for none.
struct HotKeys {
    std::uint16_t run = 0;   // Start, or Pause/Continue
    std::uint16_t stop = 0;  // Stop
    bool operator==(const HotKeys&) const = default;
};

// Where each time of the list clicks, how much the times vary, and whether a click at
// a point waits for the user: "Points", "Vary" and "WaitForUser", beside the seven.
struct ClickList {
    ClickPoints::PointList points;  // none, or fewer than times: the rest at the pointer
    int vary = 0;                   // seconds; 0 is off
    bool waitForUser = true;        // "WaitForUser" is anything but "0"
    bool operator==(const ClickList&) const = default;
};

// What a run keeps from its Start.
struct RunSettings {
    std::string events;
    std::string loopText;  // the run alone ignores case: see loopsOnRun
    ClickList clickList;
};

namespace SettingsStore {

// The marker of the stored settings' format: "Ver" = "4.3". It is not the product's
// version and does not follow it; another marker makes start-up write the defaults.
inline constexpr std::string_view kFormatMarker = "4.3";
// Written in this order, the marker sixth, whenever the marker is not kFormatMarker.
inline constexpr std::array<std::pair<std::string_view, std::string_view>, 7> kDefaults{{
    {"Button", "True"},
    {"DetAd", "False"},
    {"Events", "4"},
    {"Hide", "0"},
    {"Loop", "True"},
    {"Ver", kFormatMarker},
    {"OnTop", "0"},
}};

inline constexpr std::string_view kHotKeyRunValue = "HotKeyRun";
inline constexpr std::string_view kHotKeyStopValue = "HotKeyStop";
// Every value a user's key takes over from the machine key when it has none of its
// own ("Ver" apart, which comes last).
inline constexpr std::string_view kPointsValue = "Points";
inline constexpr std::string_view kVaryValue = "Vary";
inline constexpr std::string_view kWaitForUserValue = "WaitForUser";
// clang-format off
inline constexpr std::array<std::string_view, 11> kCarriedValues{
    "Button", "DetAd", "Events", "Hide", "Loop", "OnTop", kHotKeyRunValue, kHotKeyStopValue,
    kPointsValue, kVaryValue, kWaitForUserValue};
// clang-format on

SettingsLocation machineLocation();
SettingsLocation userLocation();
// Decided once at start-up. The settings are the current user's, in the user's key;
// the machine key seeds a user's key without settings of the current format, and a
// start that may write the machine key (an elevated one) writes everything there too.
void chooseLocation();
void chooseLocation(const SettingsLocation& machine, const SettingsLocation& user, bool machineWritable);
const SettingsLocation& location();  // the user's key

// Writes all seven defaults unless "Ver" holds exactly kFormatMarker. Returns whether it wrote.
bool resetUnlessCurrentVersion();
// Every setting, read in the key's order: "Button", "DetAd", "Events", "Hide", "Loop", "OnTop".
Settings load();
// The Settings dialog's five, written in that order; "OnTop" and "Ver" are left alone.
void saveDialogSettings(const Settings& settings);
bool minimizeToNotificationIcon();  // "Hide" read afresh, at each minimise
// "HotKeyRun" and "HotKeyStop", two values beside the seven that no reset writes:
// the word as decimal text, "0" for none; missing or no such word means F6 and F7.
inline constexpr HotKeys kDefaultHotKeys{0x75, 0x76};
HotKeys hotKeys();
void saveHotKeys(const HotKeys& keys);
void saveAlwaysOnTop(bool on);
// Read at each Start, and by the Click List dialog; no reset writes them.
ClickList clickList();
void saveClickList(const ClickList& list);
RunSettings forRun();
// Loops when the upper-case text is "TRUE": the one reading rule that ignores case.
bool loopsOnRun(const std::string& loopText);

}  // namespace SettingsStore
