// The settings that survive a restart: seven text values under one registry key,
// guarded by the marker "Ver". The reading rules live here and nowhere else. Each
// operation opens its own cRegistry and lets it go; no key stays open in between.
#pragma once

#include "registry/cRegistry.h"

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
    bool primaryButton = false;        // "Button" is "True"
    bool adDetectorOn = false;         // "DetAd" is "True"
    std::string events;                // "Events" as stored
    bool minimizeBesideClock = false;  // "Hide" is "1"
    bool loop = false;                 // "Loop" is "True"
    bool alwaysOnTop = false;          // "OnTop" is "1"
};

// The run's two system-wide hot keys, each the word of a hot-key control (virtual
// key in the low byte, HOTKEYF_* modifiers in the high byte), 0 for none.
struct HotKeys {
    std::uint16_t run = 0;   // Start, or Pause/Continue
    std::uint16_t stop = 0;  // Stop
    bool operator==(const HotKeys&) const = default;
};

// What a run keeps from its Start.
struct RunSettings {
    std::string events;
    std::string loopText;  // the run alone ignores case: see loopsOnRun
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

SettingsLocation machineLocation();
SettingsLocation userLocation();
// Decided once at start-up: the machine key when this start may write there, else the
// same path for the current user; the other key's settings first, when saved later.
void chooseLocation();
void chooseLocation(const SettingsLocation& machine, const SettingsLocation& user, bool machineWritable);
const SettingsLocation& location();

// Writes all seven defaults unless "Ver" holds exactly kFormatMarker. Returns whether it wrote.
bool resetUnlessCurrentVersion();
// Every setting, read in the key's order: "Button", "DetAd", "Events", "Hide", "Loop", "OnTop".
Settings load();
// The Settings dialog's five, written in that order; "OnTop" and "Ver" are left alone.
void saveDialogSettings(const Settings& settings);
bool minimizeBesideClock();  // "Hide" read afresh, at each minimise
// "HotKeyRun" and "HotKeyStop", two values beside the seven that no reset writes:
// the word as decimal text, "0" for none; missing or no such word means F6 and F7.
inline constexpr HotKeys kDefaultHotKeys{0x75, 0x76};
HotKeys hotKeys();
void saveHotKeys(const HotKeys& keys);
void saveAlwaysOnTop(bool on);
RunSettings forRun();
// Loops when the upper-case text is "TRUE": the one reading rule that ignores case.
bool loopsOnRun(const std::string& loopText);

}  // namespace SettingsStore
