#include "ScratchKey.h"

#include "platform/RegKey.h"

#include <gtest/gtest.h>

namespace {
std::string uniquePath() {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = test ? std::string(test->test_suite_name()) + "." + test->name() : "outside-test";
    for (char& c : name)
        if (c == '/' || c == '\\') c = '_';
    return "Software\\ClikpadTests\\" + name + "-" + std::to_string(GetCurrentProcessId());
}
}  // namespace

ScratchKey::ScratchKey(std::int32_t hive) : hive_(hive), path_(uniquePath()) {
    RegDeleteTreeA(hiveHandle(), path_.c_str());  // left over from a crashed run
}

ScratchKey::~ScratchKey() { RegDeleteTreeA(hiveHandle(), path_.c_str()); }

HKEY ScratchKey::hiveHandle() const { return reinterpret_cast<HKEY>(static_cast<LONG_PTR>(hive_)); }

void ScratchKey::put(const std::string& name, DWORD type, const void* data, DWORD size) const {
    RegKey key;
    ASSERT_EQ(RegCreateKeyExA(hiveHandle(), path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, key.receive(),
                              nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExA(key.get(), name.c_str(), 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
}

void ScratchKey::putText(const std::string& name, const std::string& text) const {
    put(name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
}

namespace {
// Type and exact stored bytes of a value, straight from RegQueryValueExA.
bool queryRaw(HKEY hive, const std::string& path, const std::string& name, DWORD& type,
              std::vector<std::uint8_t>& bytes) {
    RegKey key;
    if (RegOpenKeyExA(hive, path.c_str(), 0, KEY_QUERY_VALUE, key.receive()) != ERROR_SUCCESS) return false;
    DWORD size = 0;
    if (RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return false;
    bytes.assign(size + 16, 0);
    size = static_cast<DWORD>(bytes.size());
    if (RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, bytes.data(), &size) != ERROR_SUCCESS) return false;
    bytes.resize(size);
    return true;
}
}  // namespace

bool ScratchKey::has(const std::string& name) const {
    DWORD type = REG_NONE;
    std::vector<std::uint8_t> bytes;
    return queryRaw(hiveHandle(), path_, name, type, bytes);
}

DWORD ScratchKey::typeOf(const std::string& name) const {
    DWORD type = REG_NONE;
    std::vector<std::uint8_t> bytes;
    queryRaw(hiveHandle(), path_, name, type, bytes);
    return type;
}

std::vector<std::uint8_t> ScratchKey::bytesOf(const std::string& name) const {
    DWORD type = REG_NONE;
    std::vector<std::uint8_t> bytes;
    queryRaw(hiveHandle(), path_, name, type, bytes);
    return bytes;
}

std::string ScratchKey::textOf(const std::string& name) const {
    const auto bytes = bytesOf(name);
    return bytes.empty() ? std::string() : std::string(bytes.begin(), bytes.end() - 1);
}

std::vector<std::string> ScratchKey::valueNames() const {
    std::vector<std::string> names;
    RegKey key;
    if (RegOpenKeyExA(hiveHandle(), path_.c_str(), 0, KEY_READ, key.receive()) != ERROR_SUCCESS) return names;
    for (DWORD index = 0;; ++index) {
        char name[256];
        DWORD length = sizeof name;
        if (RegEnumValueA(key.get(), index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        names.emplace_back(name, length);
    }
    return names;
}
