#include "platform/ModuleName.h"

#include "platform/Win32.h"

#include <vector>

namespace {
template <typename Char>
std::basic_string<Char> executablePath(DWORD(WINAPI* moduleFileName)(HMODULE, Char*, DWORD)) {
    std::vector<Char> path(MAX_PATH);
    for (;;) {
        const DWORD length = moduleFileName(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) return std::basic_string<Char>(path.data(), length);
        path.resize(path.size() * 2);  // truncated: long path, try again
    }
}
}  // namespace

std::string executableBaseName() {
    std::string name = executablePath(&GetModuleFileNameA);
    if (const auto slash = name.find_last_of("\\/"); slash != std::string::npos) name.erase(0, slash + 1);
    if (const auto dot = name.find_last_of('.'); dot != std::string::npos) name.erase(dot);
    return name;
}

std::wstring executableFolder() {
    const std::wstring path = executablePath(&GetModuleFileNameW);
    const auto slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}
