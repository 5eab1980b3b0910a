// The real clikpad.exe in a process of its own, seen from outside; the benchmark drives it too.
#pragma once

#include "platform/Handles.h"

#include <string>

std::string clikpadExePath();
std::wstring wide(const std::string& utf8);  // the tests write paths in UTF-8
// A path of the build as the program under test sees it (Wine maps / to Z:).
std::string windowsPath(std::string path);
// What a control of another process shows (GetWindowText would give its creation text).
std::string textOf(HWND window);
void deleteSettings();  // the whole vendor key, machine and user alike
// Under Wine the build's own prefix holds nobody's settings; on Windows they may be the user's.
bool othersSettingsMayExist();

class ClikpadProcess {
public:
    explicit ClikpadProcess(const std::string& exePath = clikpadExePath());  // UTF-8
    ClikpadProcess(const ClikpadProcess&) = delete;
    ClikpadProcess& operator=(const ClikpadProcess&) = delete;
    ~ClikpadProcess();  // ends the program if it is still running

    HANDLE handle() const { return process_.get(); }
    bool waitForMainWindow(DWORD timeoutMs = 10000);
    bool waitForExit(DWORD timeoutMs = 10000);
    bool running() const { return WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT; }
    HWND main() const { return main_; }
    // A top-level window of this process with the caption (and class, when given).
    HWND findWindow(const std::string& caption, const char* className = nullptr) const;
    HWND button(HWND parent, const char* caption) const { return FindWindowExA(parent, nullptr, "Button", caption); }

private:
    OwnedHandle process_, thread_;
    DWORD processId_ = 0;
    HWND main_ = nullptr;
};
