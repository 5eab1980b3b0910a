#include "ClikpadProcess.h"

#include "TestWindow.h"
#include "platform/RegKey.h"

#include <commctrl.h>

#include <stdexcept>
#include <vector>

#ifndef CLIKPAD_EXE
#error "CLIKPAD_EXE must name the built program"
#endif

std::string WindowsPath(std::string path) {
    // A cross build knows its files by their Unix paths; Wine sees that tree as Z:.
    if (!path.empty() && path.front() == '/') path.insert(0, "Z:");
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

std::string ClikpadExePath() { return WindowsPath(CLIKPAD_EXE); }

std::string TextOf(HWND window) {
    // GetWindowText would give another process's edit control its creation text:
    // ask the control itself.
    char text[1024] = {};
    DWORD_PTR copied = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000,
                        &copied);
    return text;
}

ClikpadProcess::ClikpadProcess(const std::string& exePath) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string commandLine(1, '"');
    commandLine.append(exePath).push_back('"');
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process_))
        throw std::runtime_error("cannot start " + commandLine + ": error " + std::to_string(GetLastError()));
}

ClikpadProcess::~ClikpadProcess() {
    if (running()) {
        if (main_ && IsWindow(main_)) PostMessageA(main_, WM_CLOSE, 0, 0);
        if (!waitForExit(3000)) TerminateProcess(process_.hProcess, 1);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

bool ClikpadProcess::running() const { return WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT; }

bool ClikpadProcess::waitForMainWindow(DWORD timeoutMs, const char* caption, const char* className) {
    PumpUntil([&] {
        main_ = findWindow(caption, className);
        return (main_ && IsWindowVisible(main_)) || !running();
    }, timeoutMs);
    return main_ && IsWindowVisible(main_);
}

bool ClikpadProcess::waitForExit(DWORD timeoutMs) {
    return PumpUntil([&] { return !running(); }, timeoutMs);
}

HWND ClikpadProcess::findWindow(const std::string& caption, const char* className) const {
    HWND found = nullptr;
    while ((found = FindWindowExA(nullptr, found, className, caption.c_str())) != nullptr) {
        DWORD owner = 0;
        GetWindowThreadProcessId(found, &owner);
        if (owner == id()) return found;
    }
    return nullptr;
}

HWND ClikpadProcess::child(HWND parent, const char* className, int index) const {
    HWND found = nullptr;
    for (int i = 0; i <= index; ++i) {
        found = FindWindowExA(parent, found, className, nullptr);
        if (!found) return nullptr;
    }
    return found;
}

HWND ClikpadProcess::button(HWND parent, const std::string& caption) const {
    return FindWindowExA(parent, nullptr, "Button", caption.c_str());
}

HWND ClikpadProcess::statusBar(int number) const {
    // StatusBar2 is made before StatusBar1 and sits above it.
    return child(main_, STATUSCLASSNAMEA, number == 2 ? 0 : 1);
}

std::string ClikpadProcess::panelText(HWND bar, int panel) const {
    // The bar answers with a pointer into its own process: lend it a buffer there.
    constexpr SIZE_T kSize = 512;
    void* remote = VirtualAllocEx(process_.hProcess, nullptr, kSize, MEM_COMMIT, PAGE_READWRITE);
    if (!remote) return {};
    SendMessageA(bar, SB_GETTEXTA, static_cast<WPARAM>(panel - 1), reinterpret_cast<LPARAM>(remote));
    std::vector<char> text(kSize + 1, '\0');
    ReadProcessMemory(process_.hProcess, remote, text.data(), kSize, nullptr);
    VirtualFreeEx(process_.hProcess, remote, 0, MEM_RELEASE);
    return text.data();
}

void DeleteSettings() {
    for (HKEY hive : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) RegDeleteTreeA(hive, "SOFTWARE\\Talvick Software");
}

void StoreSettings(const std::map<std::string, std::string>& values) {
    RegKey key;
    RegCreateKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Talvick Software\\Clikpad", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                    key.receive(), nullptr);
    for (const auto& [name, text] : values)
        RegSetValueExA(key.get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>(text.size() + 1));
}
