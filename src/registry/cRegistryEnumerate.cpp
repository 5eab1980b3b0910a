#include "registry/cRegistry.h"

#include "platform/Handles.h"
#include "platform/Win32.h"
#include "registry/RegistryHive.h"

#include <cstring>
#include <exception>

namespace {

// A key name has at most 255 characters; the buffer holds that and the terminator,
// so that no legal name ends the list early.
constexpr DWORD kSubkeyNameBuffer = 256;

// Empty, with its storage given back, as a list the caller gets anew.
void startAfresh(std::vector<std::string>& names, std::int32_t& count) {
    count = 0;
    std::vector<std::string>().swap(names);
}

}  // namespace

bool cRegistry::EnumerateValues(std::vector<std::string>& sKeyNames, std::int32_t& iKeyCount) {
    startAfresh(sKeyNames, iKeyCount);
    RegKey key;
    if (RegOpenKeyExA(hiveHandle(classKey_), sectionKey_.c_str(), 0, KEY_QUERY_VALUE, key.put()) != ERROR_SUCCESS)
        return true;
    // The key's class is not wanted: asking for it into a buffer of no size would make
    // the call fail for a key that has one.
    DWORD longestName = 0;
    if (RegQueryInfoKeyA(key.get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &longestName,
                         nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return true;
    for (DWORD index = 0;; ++index) {
        std::string buffer(longestName + 1, '\0');
        DWORD size = static_cast<DWORD>(buffer.size());
        // Any failure, the normal end (ERROR_NO_MORE_ITEMS) included, ends the list.
        if (RegEnumValueA(key.get(), index, buffer.data(), &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        buffer.resize(size);
        sKeyNames.push_back(std::move(buffer));
        ++iKeyCount;
    }
    return true;
}

bool cRegistry::EnumerateSections(std::vector<std::string>& sSect, std::int32_t& iSectCount) {
    // Whatever goes wrong in here reaches the caller as an enumeration failure, raised
    // after the key has been closed with the block that failed.
    try {
        startAfresh(sSect, iSectCount);
        RegKey key;
        if (RegOpenKeyExA(hiveHandle(classKey_), sectionKey_.c_str(), 0, KEY_ENUMERATE_SUB_KEYS, key.put()) !=
            ERROR_SUCCESS)
            return true;
        for (DWORD index = 0;; ++index) {
            char buffer[kSubkeyNameBuffer] = {};
            if (RegEnumKeyA(key.get(), index, buffer, kSubkeyNameBuffer) != ERROR_SUCCESS) break;
            sSect.emplace_back(buffer, strnlen(buffer, kSubkeyNameBuffer));
            ++iSectCount;
        }
        return true;
    } catch (const std::exception& failure) {
        raise(RegistryError::kEnumerateFailure, failure.what());
    }
}
