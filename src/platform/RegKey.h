// Owner of an open registry key: closed on every path out of the scope that opened it.
#pragma once

#include "platform/Win32.h"

#include <utility>

class RegKey {
public:
    RegKey() = default;
    explicit RegKey(HKEY key) : key_(key) {}
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;
    RegKey(RegKey&& other) noexcept : key_(std::exchange(other.key_, nullptr)) {}
    RegKey& operator=(RegKey&& other) noexcept {
        if (this != &other) {
            close();
            key_ = std::exchange(other.key_, nullptr);
        }
        return *this;
    }
    ~RegKey() { close(); }

    HKEY get() const { return key_; }
    explicit operator bool() const { return key_ != nullptr; }

    // For the out-parameter of RegOpenKeyExA / RegCreateKeyExA.
    HKEY* receive() {
        close();
        return &key_;
    }

private:
    void close() {
        if (key_) {
            RegCloseKey(key_);
            key_ = nullptr;
        }
    }

    HKEY key_ = nullptr;
};
