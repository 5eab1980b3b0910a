#include "ClikpadProcess.h"

#include "TestWindow.h"

#include <filesystem>
#include <stdexcept>

std::string windowsPath(std::string path) {
    if (!path.empty() && path.front() == '/') path.insert(0, "Z:");
    for (char& c : path) c = c == '/' ? '\\' : c;
    return path;
}

std::wstring wide(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end())).wstring();
}

std::string clikpadExePath() { return windowsPath(CLIKPAD_EXE); }

std::string textOf(HWND window) {
    char text[1024] = {};
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000,
                        nullptr);
    return text;
}

void deleteSettings() {
    for (HKEY hive : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) RegDeleteTreeA(hive, "SOFTWARE\\Talvick Software");
}

bool othersSettingsMayExist() {
    if (GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version")) return false;
    for (HKEY hive : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER})
        if (RegKey key; RegOpenKeyExA(hive, "SOFTWARE\\Talvick Software", 0, KEY_READ, key.put()) == 0) return true;
    return false;
}

ClikpadProcess::ClikpadProcess(const std::string& exePath) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    const std::string commandLine = "\"" + exePath + "\"";
    std::wstring wideCommandLine = wide(commandLine);
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(nullptr, wideCommandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &started))
        throw std::runtime_error("cannot start " + commandLine + ": error " + std::to_string(GetLastError()));
    process_.reset(started.hProcess);
    thread_.reset(started.hThread);
    processId_ = started.dwProcessId;
}

ClikpadProcess::~ClikpadProcess() {
    if (running()) {
        if (main_ && IsWindow(main_)) PostMessageA(main_, WM_CLOSE, 0, 0);
        if (!waitForExit(3000)) TerminateProcess(process_.get(), 1);
    }
}

bool ClikpadProcess::waitForMainWindow(DWORD timeoutMs) {
    pumpUntil([&] { return ((main_ = findWindow("Clikpad", "ClikpadForm")) && IsWindowVisible(main_)) || !running(); },
              timeoutMs);
    return main_ && IsWindowVisible(main_);
}

bool ClikpadProcess::waitForExit(DWORD timeoutMs) {
    return pumpUntil([&] { return !running(); }, timeoutMs);
}

HWND ClikpadProcess::findWindow(const std::string& caption, const char* className) const {
    for (HWND found = nullptr; (found = FindWindowExA(nullptr, found, className, caption.c_str())) != nullptr;) {
        DWORD owner = 0;
        GetWindowThreadProcessId(found, &owner);
        if (owner == processId_) return found;
    }
    return nullptr;
}
