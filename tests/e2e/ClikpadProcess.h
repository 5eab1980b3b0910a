// The real clikpad.exe in a process of its own, seen from outside; the benchmark drives it too.
#pragma once

#include "platform/Handles.h"

#include <string>

std::string clikpadExePath();
std::wstring wide(const std::string& utf8);  // the tests write paths in UTF-8
std::string windowsPath(std::string path);   // a path of the build as the program sees it (Wine maps / to Z:)
std::string textOf(HWND window);  // what another process's control shows (GetWindowText gives its creation text)
void deleteSettings();            // the whole vendor key, machine and user alike
bool othersSettingsMayExist();    // not in the build's own Wine prefix; on Windows they may be the user's

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
    HWND findWindow(const std::string& caption, const char* className = nullptr) const;  // top-level, of this process
    HWND button(HWND parent, const char* caption) const { return FindWindowExA(parent, nullptr, "Button", caption); }

private:
    OwnedHandle process_, thread_;
    DWORD processId_ = 0;
    HWND main_ = nullptr;
};
