#include "settings/SettingsStore.h"

#include "platform/Win32.h"
#include "registry/RegistryError.h"

#include <cctype>

namespace {

constexpr const char* kSettingsPath = "SOFTWARE\\Talvick Software\\Clikpad";

SettingsLocation& chosenLocation() {
    static SettingsLocation location = SettingsStore::machineLocation();
    return location;
}

bool canWriteAt(const SettingsLocation& candidate) {
    cRegistry registry;
    registry.ClassKey(candidate.hive);
    registry.SectionKey(candidate.path);
    try {
        return registry.CreateKey();
    } catch (const RegistryError&) {
        return false;
    }
}

bool holdsCurrentVersion(const SettingsLocation& candidate) {
    cRegistry registry;
    registry.ClassKey(candidate.hive);
    registry.SectionKey(candidate.path);
    registry.ValueKey(std::string(SettingName::kVer));
    return registry.Value().toText() == SettingsStore::kVersion;
}

}  // namespace

SettingsLocation SettingsStore::machineLocation() { return {cRegistry::kLocalMachine, kSettingsPath}; }

SettingsLocation SettingsStore::userLocation() { return {cRegistry::kCurrentUser, kSettingsPath}; }

void SettingsStore::chooseLocation() { chooseLocation(machineLocation(), userLocation()); }

void SettingsStore::chooseLocation(const SettingsLocation& machine, const SettingsLocation& user) {
    // A manifested 64-bit program gets no registry virtualisation, so without
    // elevation the machine key is read-only and every normal start keeps its
    // settings in the user's own key. A first elevated start must not hide those
    // behind a fresh machine key of defaults. Should the user's key fail too, the
    // first write reports it.
    const bool machineTaken = holdsCurrentVersion(machine) || !holdsCurrentVersion(user);
    chosenLocation() = machineTaken && canWriteAt(machine) ? machine : user;
}

const SettingsLocation& SettingsStore::location() { return chosenLocation(); }

SettingsStore::SettingsStore() {
    registry_.ClassKey(location().hive);
    registry_.SectionKey(location().path);
    registry_.ValueType(REG_SZ);
}

std::string SettingsStore::read(std::string_view name) {
    registry_.ValueKey(std::string(name));
    const Variant value = registry_.Value();
    registry_.ValueType(REG_SZ);  // a read replaces it with the stored type
    // A value someone stored with another type counts by its text (a DWORD 1 is "1");
    // binary data has no text and reads as missing.
    return value.kind() == Variant::Kind::ByteArray ? std::string() : value.toText();
}

void SettingsStore::write(std::string_view name, std::string_view text) {
    registry_.ValueKey(std::string(name));
    registry_.ValueType(REG_SZ);
    registry_.Value(Variant(std::string(text)));
}

bool SettingsStore::resetUnlessCurrentVersion() {
    if (read(SettingName::kVer) == kVersion) return false;
    for (const auto& [name, text] : kDefaults) write(name, text);
    return true;
}

bool SettingsStore::loopsOnRun(const std::string& loopText) {
    std::string upper = loopText;
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper == "TRUE";
}
