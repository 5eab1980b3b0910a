#include "ScratchKey.h"

#include "platform/Handles.h"

#include <gtest/gtest.h>

ScratchKey::ScratchKey(const std::string& name) {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    path_ = "Software\\ClikpadTests\\" + std::string(test ? test->name() : "none") + "." + name + "-" +
            std::to_string(GetCurrentProcessId());
    RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());  // left over from a crashed run
}

void ScratchKey::put(const std::string& name, DWORD type, const std::string& bytes, const std::string& below) const {
    // The subkey is made from the open key: Wine refuses whole paths of 260 characters or more.
    RegKey key, child;
    RegCreateKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, key.put(), nullptr);
    ASSERT_EQ(RegCreateKeyExA(key.get(), below.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, child.put(), nullptr),
              ERROR_SUCCESS);
    if (type != REG_NONE || !bytes.empty())
        RegSetValueExA(child.get(), name.c_str(), 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                       static_cast<DWORD>(bytes.size()));
}

std::map<std::string, std::string> ScratchKey::texts() const {
    std::map<std::string, std::string> texts;
    RegKey key;
    RegOpenKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, KEY_READ, key.put());
    char name[256], data[1024];
    for (DWORD i = 0, length = sizeof name, size = sizeof data, type = 0;
         key && RegEnumValueA(key.get(), i, name, &length, nullptr, &type, reinterpret_cast<BYTE*>(data), &size) == 0;
         ++i, length = sizeof name, size = sizeof data) {
        const std::string bytes(data, size);
        const bool text = type == REG_SZ && !bytes.empty() && bytes.find('\0') == bytes.size() - 1;
        texts[name] = text ? bytes.substr(0, size - 1) : std::to_string(type) + ":" + bytes;
    }
    return texts;
}
