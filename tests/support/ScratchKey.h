// A registry key of the test's own in HKEY_CURRENT_USER, unique to the test, gone when it ends.
#pragma once

#include "platform/Win32.h"

#include <cstdint>
#include <map>
#include <string>

class ScratchKey {
public:
    explicit ScratchKey(const std::string& name = "key");  // a second key of a test needs its own name
    ScratchKey(const ScratchKey&) = delete;
    ScratchKey& operator=(const ScratchKey&) = delete;
    ~ScratchKey() { RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str()); }

    static constexpr std::int32_t kHive = static_cast<std::int32_t>(0x80000001);
    const std::string& path() const { return path_; }
    // Past cRegistry: a value of the key or of a subkey; REG_NONE without bytes makes only the subkey.
    void put(const std::string& name, DWORD type, const std::string& bytes, const std::string& below = "") const;
    void putText(const std::string& name, const std::string& text) const { put(name, REG_SZ, text + '\0'); }
    std::map<std::string, std::string> texts() const;  // a terminated plain string as its text, else "type:bytes"

private:
    std::string path_;
};
