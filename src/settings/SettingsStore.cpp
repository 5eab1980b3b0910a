#include "settings/SettingsStore.h"

#include "platform/Handles.h"
#include "platform/Win32.h"
#include "registry/RegistryError.h"
#include "registry/RegistryHive.h"

#include <cctype>

namespace SettingsStore {
namespace {

constexpr const char* kSettingsPath = "SOFTWARE\\Talvick Software\\Clikpad";
constexpr const char* kHotKeyRunValue = "HotKeyRun";
constexpr const char* kHotKeyStopValue = "HotKeyStop";

SettingsLocation& chosenLocation() {
    static SettingsLocation chosen = machineLocation();
    return chosen;
}

// One operation on the settings key: a cRegistry addressed at it, released at the end.
class Key {
public:
    explicit Key(const SettingsLocation& at = location()) {
        registry_.ClassKey(at.hive);
        registry_.SectionKey(at.path);
    }
    // The stored text; "" when the value is missing or cannot be read. A value stored
    // by hand with another type counts by its text (a DWORD 1 is "1"); binary data has none.
    std::string read(std::string_view name) {
        registry_.ValueKey(std::string(name));
        registry_.ValueType(REG_SZ);
        const Variant value = registry_.Value();
        return value.kind() == Variant::Kind::ByteArray ? std::string() : value.toText();
    }
    void write(std::string_view name, std::string_view text) {
        registry_.ValueKey(std::string(name));
        registry_.ValueType(REG_SZ);
        registry_.Value(Variant(std::string(text)));
    }
    bool writable() {
        try {
            return registry_.CreateKey();
        } catch (const RegistryError&) {
            return false;
        }
    }

private:
    cRegistry registry_;
};

// When the settings under the key were last written; 0 for a key that holds none of
// the current format (a key just made by the writability probe among them).
std::uint64_t savedAt(const SettingsLocation& at) {
    if (Key(at).read("Ver") != kFormatMarker) return 0;
    RegKey key;
    FILETIME written{};
    if (RegOpenKeyExA(hiveHandle(at.hive), at.path.c_str(), 0, KEY_QUERY_VALUE, key.put()) != ERROR_SUCCESS ||
        RegQueryInfoKeyA(key.get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                         nullptr, &written) != ERROR_SUCCESS)
        return 0;
    return (static_cast<std::uint64_t>(written.dwHighDateTime) << 32) | written.dwLowDateTime;
}

// The reading rules: only the exact texts select the first choice.
bool isTrue(const std::string& text) { return text == "True"; }
bool isOne(const std::string& text) { return text == "1"; }
const char* trueFalse(bool on) { return on ? "True" : "False"; }
const char* oneZero(bool on) { return on ? "1" : "0"; }

}  // namespace

SettingsLocation machineLocation() { return {cRegistry::kLocalMachine, kSettingsPath}; }

SettingsLocation userLocation() { return {cRegistry::kCurrentUser, kSettingsPath}; }

void chooseLocation() {
    const SettingsLocation machine = machineLocation();
    chooseLocation(machine, userLocation(), Key(machine).writable());
}

void chooseLocation(const SettingsLocation& machine, const SettingsLocation& user, bool machineWritable) {
    // A manifested 64-bit program gets no registry virtualisation: only an elevated
    // start may write the machine key, and every other start keeps its settings in
    // the user's own. Each start first takes over the other key's settings when they
    // were saved later, so that normal and elevated starts see the same settings in
    // any order. Should the key taken fail to be written, the first write reports it.
    const SettingsLocation& own = machineWritable ? machine : user;
    const SettingsLocation& other = machineWritable ? user : machine;
    if (savedAt(other) > savedAt(own)) {
        Key from(other), to(own);
        for (const auto& [name, text] : kDefaults) to.write(name, from.read(name));
        // A hot key that is missing and one written empty both mean its default.
        for (const char* name : {kHotKeyRunValue, kHotKeyStopValue}) to.write(name, from.read(name));
    }
    chosenLocation() = own;
}

const SettingsLocation& location() { return chosenLocation(); }

bool resetUnlessCurrentVersion() {
    Key key;
    if (key.read("Ver") == kFormatMarker) return false;
    for (const auto& [name, text] : kDefaults) key.write(name, text);
    return true;
}

Settings load() {
    Key key;
    Settings settings;
    settings.primaryButton = isTrue(key.read("Button"));
    settings.adDetectorOn = isTrue(key.read("DetAd"));
    settings.events = key.read("Events");
    settings.minimizeBesideClock = isOne(key.read("Hide"));
    settings.loop = isTrue(key.read("Loop"));
    settings.alwaysOnTop = isOne(key.read("OnTop"));
    return settings;
}

void saveDialogSettings(const Settings& settings) {
    Key key;
    key.write("Button", trueFalse(settings.primaryButton));
    key.write("DetAd", trueFalse(settings.adDetectorOn));
    key.write("Events", settings.events);
    key.write("Hide", oneZero(settings.minimizeBesideClock));
    key.write("Loop", trueFalse(settings.loop));
}

bool minimizeBesideClock() { return isOne(Key().read("Hide")); }

namespace {
std::uint16_t hotKeyOf(const std::string& text, std::uint16_t byDefault) {
    if (text.empty() || text.size() > 5 || text.find_first_not_of("0123456789") != std::string::npos) return byDefault;
    const unsigned long word = std::stoul(text);
    return word <= 0xFFFF ? static_cast<std::uint16_t>(word) : byDefault;
}
}  // namespace

HotKeys hotKeys() {
    Key key;
    return {hotKeyOf(key.read(kHotKeyRunValue), kDefaultHotKeys.run),
            hotKeyOf(key.read(kHotKeyStopValue), kDefaultHotKeys.stop)};
}

void saveHotKeys(const HotKeys& keys) {
    Key key;
    key.write(kHotKeyRunValue, std::to_string(keys.run));
    key.write(kHotKeyStopValue, std::to_string(keys.stop));
}

void saveAlwaysOnTop(bool on) { Key().write("OnTop", oneZero(on)); }

RunSettings forRun() {
    Key key;
    RunSettings run;
    run.events = key.read("Events");
    run.loopText = key.read("Loop");
    return run;
}

bool loopsOnRun(const std::string& loopText) {
    std::string upper = loopText;
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper == "TRUE";
}

}  // namespace SettingsStore
