// A registry key of the test's own, unique to the test and the process, removed
// with everything below it when the test ends.
#pragma once

#include "platform/Win32.h"

#include <cstdint>
#include <string>
#include <vector>

class ScratchKey {
public:
    explicit ScratchKey(std::int32_t hive = static_cast<std::int32_t>(0x80000001));
    ScratchKey(const ScratchKey&) = delete;
    ScratchKey& operator=(const ScratchKey&) = delete;
    ~ScratchKey();

    std::int32_t hive() const { return hive_; }
    HKEY hiveHandle() const;
    const std::string& path() const { return path_; }
    std::string child(const std::string& relative) const { return path_ + "\\" + relative; }

    // Raw access that bypasses cRegistry, to plant and inspect values.
    void put(const std::string& name, DWORD type, const void* data, DWORD size) const;
    void putText(const std::string& name, const std::string& text) const;
    bool has(const std::string& name) const;
    DWORD typeOf(const std::string& name) const;
    std::vector<std::uint8_t> bytesOf(const std::string& name) const;
    std::string textOf(const std::string& name) const;  // a string value without its terminator
    std::vector<std::string> valueNames() const;

private:
    std::int32_t hive_;
    std::string path_;
};
