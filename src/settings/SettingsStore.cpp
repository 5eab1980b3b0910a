#include "settings/SettingsStore.h"

#include "platform/Win32.h"
#include "registry/RegistryError.h"

#include <cctype>
#include <optional>

namespace SettingsStore {
namespace {

constexpr const char* kSettingsPath = "SOFTWARE\\Talvick Software\\Clikpad";

// Where this start keeps its settings: the user's own key, and the machine key as
// a copy kept current when this start may write there.
struct Locations {
    SettingsLocation own = userLocation();
    std::optional<SettingsLocation> mirror;
};
Locations& chosen() {
    static Locations locations;
    return locations;
}

// One operation on the settings key: a cRegistry addressed at it, released at the end.
class Key {
public:
    Key() : at_(chosen().own), mirror_(chosen().mirror) {}
    explicit Key(const SettingsLocation& at) : at_(at) {}
    // The stored text; none when the value is missing or cannot be read. A value stored
    // by hand with another type counts by its text (a DWORD 1 is "1"); binary data has none.
    std::optional<std::string> stored(std::string_view name) {
        address(at_, name);
        const Variant value = registry_.Value();
        if (value.isEmpty()) return std::nullopt;
        return value.kind() == Variant::Kind::ByteArray ? std::string() : value.toText();
    }
    std::string read(std::string_view name) { return stored(name).value_or(std::string()); }
    void write(std::string_view name, std::string_view text) {
        address(at_, name);
        registry_.Value(Variant(std::string(text)));
        if (!mirror_) return;
        // The machine key is only a copy: the user's own key already holds the value.
        try {
            address(*mirror_, name);
            registry_.Value(Variant(std::string(text)));
        } catch (const RegistryError&) {
        }
    }
    bool writable() {
        registry_.ClassKey(at_.hive);
        registry_.SectionKey(at_.path);
        try {
            return registry_.CreateKey();
        } catch (const RegistryError&) {
            return false;
        }
    }

private:
    void address(const SettingsLocation& at, std::string_view name) {
        registry_.ClassKey(at.hive);
        registry_.SectionKey(at.path);
        registry_.ValueKey(std::string(name));
        registry_.ValueType(REG_SZ);
    }

    cRegistry registry_;
    SettingsLocation at_;
    std::optional<SettingsLocation> mirror_;
};

// A user's key that holds no settings of the current format takes over the machine
// key's, when that holds some: every value it has, the marker last, so that a seed
// cut short is done again at the next start.
void seedFromMachine(const SettingsLocation& machine, const SettingsLocation& user) {
    if (Key(user).stored("Ver")) return;
    Key from(machine), to(user);
    if (from.read("Ver") != kFormatMarker) return;
    for (const std::string_view name : kCarriedValues)
        if (const auto text = from.stored(name)) to.write(name, *text);
    to.write("Ver", kFormatMarker);
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
    // Every start keeps its settings in the key of the user it runs as, which a normal
    // and an elevated start of one account share. The machine key is read only to seed
    // a user's key that has none, and kept current by the starts that may write it.
    seedFromMachine(machine, user);
    chosen() = {user, machineWritable ? std::optional(machine) : std::nullopt};
}

const SettingsLocation& location() { return chosen().own; }

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
    settings.minimizeToNotificationIcon = isOne(key.read("Hide"));
    settings.loop = isTrue(key.read("Loop"));
    settings.alwaysOnTop = isOne(key.read("OnTop"));
    return settings;
}

void saveDialogSettings(const Settings& settings) {
    Key key;
    key.write("Button", trueFalse(settings.primaryButton));
    key.write("DetAd", trueFalse(settings.adDetectorOn));
    key.write("Events", settings.events);
    key.write("Hide", oneZero(settings.minimizeToNotificationIcon));
    key.write("Loop", trueFalse(settings.loop));
}

bool minimizeToNotificationIcon() { return isOne(Key().read("Hide")); }

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

ClickList clickList() {
    Key key;
    return {ClickPoints::parse(key.read(kPointsValue)), ClickPoints::parseVary(key.read(kVaryValue)),
            key.read(kWaitForUserValue) != "0"};
}

void saveClickList(const ClickList& list) {
    Key key;
    key.write(kPointsValue, ClickPoints::format(list.points));
    key.write(kVaryValue, std::to_string(list.vary));
    key.write(kWaitForUserValue, oneZero(list.waitForUser));
}

RunSettings forRun() {
    Key key;
    RunSettings run{key.read("Events"), key.read("Loop"), {}};
    run.clickList = clickList();
    return run;
}

bool loopsOnRun(const std::string& loopText) {
    std::string upper = loopText;
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper == "TRUE";
}

}  // namespace SettingsStore
