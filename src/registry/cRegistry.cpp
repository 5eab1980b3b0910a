#include "registry/cRegistry.h"

#include "platform/Handles.h"
#include "platform/ModuleName.h"
#include "platform/Win32.h"
#include "registry/RegistryError.h"
#include "registry/RegistryHive.h"
#include "rules/PercentRule.h"

#include <algorithm>
#include <cstring>
#include <optional>

namespace {

constexpr REGSAM kQueryAccess = KEY_QUERY_VALUE;
// Query, set, create and enumerate subkeys, notify, create link; no standard rights.
constexpr REGSAM kWriteAccess = 0x3F;

// The stored type and bytes of one value, or nothing when it cannot be read.
// The size is asked first; a value that grows between the two calls is asked again.
std::optional<std::string> readStoredData(HKEY key, const std::string& name, DWORD& type) {
    DWORD size = 0;
    LONG result = RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, &size);
    if (result != ERROR_SUCCESS && result != ERROR_MORE_DATA) return std::nullopt;
    for (int attempt = 0; attempt < 4; ++attempt) {
        std::string data(size, '\0');
        DWORD received = size;
        result = RegQueryValueExA(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &received);
        if (result == ERROR_SUCCESS) {
            data.resize(std::min(received, size));
            return data;
        }
        if (result != ERROR_MORE_DATA) break;
        size = received;
    }
    return std::string();  // the value went away between the calls: read as no data
}

std::int32_t littleEndianInt32(const std::string& data) {
    // A DWORD stored with fewer than four bytes is zero-extended; with more, the
    // first four count.
    unsigned char bytes[4] = {};
    // NOLINTNEXTLINE(bugprone-not-null-terminated-result): raw bytes, not a string
    std::memcpy(bytes, data.data(), std::min<std::size_t>(data.size(), 4));
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = (value << 8) | bytes[i];
    return static_cast<std::int32_t>(value);
}

std::string withoutTerminator(std::string text) {
    // Strings are stored with their terminating zero. A value stored without one
    // (written by hand, size 0 included) keeps all its characters.
    if (!text.empty() && text.back() == '\0') text.pop_back();
    return text;
}

}  // namespace

bool cRegistry::KeyExists() const {
    RegKey key;
    return RegOpenKeyExA(hiveHandle(classKey_), sectionKey_.c_str(), 0, kQueryAccess, key.put()) == ERROR_SUCCESS;
}

bool cRegistry::CreateKey() {
    RegKey key;
    if (openOrCreateKey(key) != ERROR_SUCCESS)
        raise(RegistryError::kKeyFailure, "Failed to create registry Key: '" + sectionKey_);
    return true;
}

bool cRegistry::DeleteKey() {
    if (RegDeleteKeyA(hiveHandle(classKey_), sectionKey_.c_str()) != ERROR_SUCCESS)
        raise(RegistryError::kKeyFailure, "Failed to delete registry Key: '" + hiveAndSection());
    return true;
}

bool cRegistry::DeleteValue() {
    RegKey key;
    if (RegOpenKeyExA(hiveHandle(classKey_), sectionKey_.c_str(), 0, kWriteAccess, key.put()) != ERROR_SUCCESS)
        raise(RegistryError::kKeyFailure, "Failed to open key '" + hiveAndSection() + "' for delete access");
    if (RegDeleteValueA(key.get(), valueKey_.c_str()) != ERROR_SUCCESS) {
        raise(RegistryError::kKeyFailure,
              "Failed to delete registry Key: '" + hiveAndSection() + "',Key: '" + valueKey_);
    }
    return true;
}

Variant cRegistry::Value() {
    RegKey key;
    if (RegOpenKeyExA(hiveHandle(classKey_), sectionKey_.c_str(), 0, kQueryAccess, key.put()) != ERROR_SUCCESS)
        return default_;
    DWORD storedType = REG_NONE;
    const auto data = readStoredData(key.get(), valueKey_, storedType);
    if (!data) return default_;
    valueType_ = static_cast<std::int32_t>(storedType);
    return decode(storedType, *data);
}

void cRegistry::Value(const Variant& vValue) {
    RegKey key;
    if (openOrCreateKey(key) != ERROR_SUCCESS) raise(RegistryError::kKeyFailure, setValueText(vValue));
    if (valueType_ == REG_BINARY && vValue.kind() != Variant::Kind::ByteArray)
        throw RegistryError(RegistryError::kKeyFailure, {}, {});
    if (writeValue(key, vValue) != ERROR_SUCCESS) raise(RegistryError::kSetValueFailure, setValueText(vValue));
}

Variant cRegistry::decode(std::uint32_t storedType, const std::string& data) const {
    switch (storedType) {
    case REG_SZ:
    case REG_MULTI_SZ:
        return withoutTerminator(data);
    case REG_EXPAND_SZ:
        return ExpandEnvStr(withoutTerminator(data));
    case REG_DWORD:
        return littleEndianInt32(data);
    case REG_DWORD_BIG_ENDIAN:
        return SwapEndian(littleEndianInt32(data));
    default: {
        // Byte arrays come back with one extra zero element after the data.
        Variant::Bytes bytes(data.begin(), data.end());
        bytes.push_back(0);
        return bytes;
    }
    }
}

long cRegistry::openOrCreateKey(RegKey& key) const {
    SECURITY_ATTRIBUTES security{};
    DWORD disposition = 0;
    return RegCreateKeyExA(hiveHandle(classKey_), sectionKey_.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                           kWriteAccess, &security, key.put(), &disposition);
}

long cRegistry::writeValue(const RegKey& key, const Variant& value) const {
    switch (valueType_) {
    case REG_SZ:
    case REG_EXPAND_SZ: {
        if (value.kind() == Variant::Kind::ByteArray) return ERROR_INVALID_DATA;  // no text form to store
        const std::string text = value.toText();
        return RegSetValueExA(key.get(), valueKey_.c_str(), 0, static_cast<DWORD>(storedStringType(text)),
                              reinterpret_cast<const BYTE*>(text.c_str()), static_cast<DWORD>(text.size() + 1));
    }
    case REG_BINARY: {
        const auto& bytes = value.bytes();
        return RegSetValueExA(key.get(), valueKey_.c_str(), 0, REG_BINARY, bytes.empty() ? nullptr : bytes.data(),
                              static_cast<DWORD>(bytes.size()));
    }
    case REG_DWORD:
    case REG_DWORD_BIG_ENDIAN: {
        if (!value.isInteger()) return ERROR_SUCCESS;  // nothing to store, and no failure
        const DWORD number = static_cast<DWORD>(value.integer());
        return RegSetValueExA(key.get(), valueKey_.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                              sizeof number);
    }
    default:
        return ERROR_INVALID_DATA;
    }
}

std::int32_t cRegistry::SwapEndian(std::int32_t value) {
    std::int32_t swapped = 0;
    const auto* from = reinterpret_cast<const unsigned char*>(&value);
    auto* to = reinterpret_cast<unsigned char*>(&swapped);
    for (int i = 0; i < 4; ++i) to[i] = from[3 - i];
    return swapped;
}

std::string cRegistry::ExpandEnvStr(const std::string& text) {
    const DWORD needed = ExpandEnvironmentStringsA(text.c_str(), nullptr, 0);
    if (needed == 0) return text;  // cannot expand: keep what was stored
    std::string expanded(needed, '\0');
    const DWORD written = ExpandEnvironmentStringsA(text.c_str(), expanded.data(), needed);
    if (written == 0 || written > needed) return text;
    expanded.resize(std::strlen(expanded.c_str()));
    return expanded;
}

RegistryError cRegistry::error(std::int32_t number, const std::string& description) const {
    return RegistryError(number, executableBaseName() + ".cRegistry", description);
}

[[noreturn]] void cRegistry::raise(std::int32_t number, const std::string& description) const {
    throw error(number, description);
}

std::string cRegistry::hiveAndSection() const { return std::to_string(classKey_) + "',Section: '" + sectionKey_; }

std::string cRegistry::setValueText(const Variant& value) const {
    return "Failed to set registry value Key: '" + hiveAndSection() + "',Key: '" + valueKey_ + "' to value: '" +
           value.toText() + "'";
}
