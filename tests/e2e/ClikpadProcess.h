// The real clikpad.exe in a process of its own, seen from outside as a user or
// an accessibility tool sees it: windows by caption, control texts and states,
// status bar panels read through the process's memory.
#pragma once

#include "platform/Win32.h"

#include <map>
#include <string>

std::string ClikpadExePath();
// A path of the build as the program under test sees it (Wine maps / to Z:).
std::string WindowsPath(std::string path);

class ClikpadProcess {
public:
    // Starts the program (another one when given); its window is waited for separately.
    explicit ClikpadProcess(const std::string& exePath = ClikpadExePath());
    ClikpadProcess(const ClikpadProcess&) = delete;
    ClikpadProcess& operator=(const ClikpadProcess&) = delete;
    ~ClikpadProcess();  // ends the program if it is still running

    DWORD id() const { return process_.dwProcessId; }
    HANDLE handle() const { return process_.hProcess; }
    bool waitForMainWindow(DWORD timeoutMs = 10000, const char* caption = "Clikpad",
                           const char* className = "ClikpadForm");
    bool waitForExit(DWORD timeoutMs = 10000);
    bool running() const;
    HWND main() const { return main_; }

    // A top-level window of this process with the given caption (and class, when given).
    HWND findWindow(const std::string& caption, const char* className = nullptr) const;
    // A child control of the window: the n-th (from 0) of the class, in z-order.
    HWND child(HWND parent, const char* className, int index) const;
    HWND button(HWND parent, const std::string& caption) const;

    // Panel text of a status bar of this process (panels numbered from 1).
    std::string panelText(HWND bar, int panel) const;
    HWND statusBar(int number) const;  // 1 = StatusBar1 (status), 2 = StatusBar2 (timer)

private:
    PROCESS_INFORMATION process_{};
    HWND main_ = nullptr;
};

std::string TextOf(HWND window);

// The program's settings key in the machine hive, set up from outside.
void DeleteSettings();  // the whole vendor key, machine and user alike
void StoreSettings(const std::map<std::string, std::string>& values);
