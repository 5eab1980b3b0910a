// The settings that survive a restart: seven text values under one registry key,
// guarded by the version marker "Ver". Each operation makes its own SettingsStore,
// uses it and lets it go; no key stays open in between.
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

namespace SettingName {
inline constexpr std::string_view kButton = "Button";
inline constexpr std::string_view kDetAd = "DetAd";
inline constexpr std::string_view kEvents = "Events";
inline constexpr std::string_view kHide = "Hide";
inline constexpr std::string_view kLoop = "Loop";
inline constexpr std::string_view kVer = "Ver";
inline constexpr std::string_view kOnTop = "OnTop";
}  // namespace SettingName

class SettingsStore {
public:
    static constexpr std::string_view kVersion = "4.3";
    // Written in this order, the marker sixth, whenever the marker is not kVersion.
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 7> kDefaults{{
        {SettingName::kButton, "True"},
        {SettingName::kDetAd, "False"},
        {SettingName::kEvents, "4"},
        {SettingName::kHide, "0"},
        {SettingName::kLoop, "True"},
        {SettingName::kVer, kVersion},
        {SettingName::kOnTop, "0"},
    }};

    static SettingsLocation machineLocation();
    static SettingsLocation userLocation();

    // Decided once at start-up: the machine key when this run may write there and
    // it holds the current settings, or the user's key holds none; otherwise the
    // same path for the current user.
    static void chooseLocation();
    static void chooseLocation(const SettingsLocation& machine, const SettingsLocation& user);
    static const SettingsLocation& location();

    SettingsStore();

    // The stored text; "" when the value is missing or cannot be read.
    std::string read(std::string_view name);
    void write(std::string_view name, std::string_view text);

    // Writes all seven defaults unless "Ver" holds exactly kVersion. Returns whether it wrote.
    bool resetUnlessCurrentVersion();

    // Reading rules: only the exact texts select the first choice.
    static bool isTrue(const std::string& text) { return text == "True"; }
    static bool isOne(const std::string& text) { return text == "1"; }
    // The click run alone ignores case when it asks whether to loop.
    static bool loopsOnRun(const std::string& loopText);

    static std::string_view trueFalseText(bool on) { return on ? "True" : "False"; }
    static std::string_view oneZeroText(bool on) { return on ? "1" : "0"; }

private:
    cRegistry registry_;
};
