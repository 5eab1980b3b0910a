// The real program in its own process, driven with the real pointer and keyboard.
#include "ClikpadProcess.h"
#include "TestWindow.h"
#include "UserInput.h"
#include "platform/Handles.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

std::string stored(HKEY hive, const char* name, const char* key = "SOFTWARE\\Talvick Software\\Clikpad") {
    char text[256] = {};
    DWORD size = sizeof text;
    return RegGetValueA(hive, key, name, RRF_RT_ANY, nullptr, text, &size) == ERROR_SUCCESS ? text : "-";
}

void makeUnwritable(HKEY hive) {  // no non-volatile key can be made below a volatile one
    RegKey key;
    RegCreateKeyExA(hive, "SOFTWARE\\Talvick Software", 0, nullptr, REG_OPTION_VOLATILE, KEY_WRITE, nullptr, key.put(),
                    nullptr);
}

class EndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        if (othersSettingsMayExist()) GTEST_SKIP() << "Clikpad's settings exist here; the scenarios would delete them";
        deleteSettings();
    }
    void TearDown() override {
        clikpad.reset();
        if (!IsSkipped()) deleteSettings();
    }
    HWND waitForWindow(const std::string& caption, const char* className, DWORD timeoutMs = 5000) {
        HWND found = nullptr;
        pumpUntil([&] { return (found = clikpad->findWindow(caption, className)) && IsWindowVisible(found); },
                  timeoutMs);
        return found;
    }
    void chooseMenu(char menuLetter, char itemLetter) {
        SetForegroundWindow(clikpad->main());
        pumpFor(50);
        UserInput::pressKey(static_cast<WORD>(VkKeyScanA(menuLetter) & 0xFF), true);
        UserInput::pressKey(static_cast<WORD>(VkKeyScanA(itemLetter) & 0xFF));
    }
    std::unique_ptr<ClikpadProcess> clikpad;
};

}  // namespace

TEST_F(EndToEnd, AUserSetsATimeRunsAndExitsThenNoKeyCanBeWritten) {
    const int right = GetSystemMetrics(SM_CXSCREEN) - 50;
    TestWindow target({right - 300, 300, right, 500}, RGB(255, 255, 255));
    makeUnwritable(HKEY_LOCAL_MACHINE);  // as it is for every start without administrator rights
    clikpad = std::make_unique<ClikpadProcess>();
    ASSERT_TRUE(clikpad->waitForMainWindow());
    EXPECT_EQ(stored(HKEY_CURRENT_USER, "Ver") + stored(HKEY_LOCAL_MACHINE, "Ver"), "4.3-");  // the user's defaults
    chooseMenu('o', 's');
    HWND settings = waitForWindow("Settings", "ClikpadForm");
    ASSERT_NE(settings, nullptr);
    HWND times = FindWindowExA(settings, nullptr, "Edit", nullptr);
    // Emptied first: a click that a busy program takes late would move the caret out of a selection.
    SendMessageA(times, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    UserInput::clickWindow(times);
    UserInput::pressKey('1');
    UserInput::clickWindow(clikpad->button(settings, "&Ok"));
    ASSERT_TRUE(pumpUntil([&] { return !IsWindow(settings); }));
    UserInput::pressKey(VK_F6);  // the run's hot key, wherever the focus is
    UserInput::movePointer(target.centre());
    const DWORD interval = 1000, margin = 10000;  // the time typed; a loaded machine may be late by seconds
    EXPECT_TRUE(pumpUntil([&] { return target.received(WM_LBUTTONUP) >= 2; }, 2 * interval + margin))
        << target.received(WM_LBUTTONUP) << " clicks seen; times stored: " << stored(HKEY_CURRENT_USER, "Events")
        << "; Start enabled: " << IsWindowEnabled(clikpad->button(clikpad->main(), "Start"));
    chooseMenu('o', 'x');  // while it runs
    DWORD code = 1;
    ASSERT_TRUE(clikpad->waitForExit());
    GetExitCodeProcess(clikpad->handle(), &code);
    EXPECT_EQ(code, 0u);

    RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE\\Talvick Software");
    makeUnwritable(HKEY_CURRENT_USER);
    clikpad = std::make_unique<ClikpadProcess>();
    HWND message = waitForWindow("Clikpad", "#32770");
    ASSERT_NE(message, nullptr);
    EXPECT_TRUE(GetWindowLongA(message, GWL_EXSTYLE) & WS_EX_TOPMOST);  // above any window of the program
    EXPECT_NE(textOf(GetDlgItem(message, 0xFFFF)).find("Failed to set registry value"), std::string::npos);
    EXPECT_EQ(clikpad->findWindow("Clikpad", "ClikpadForm"), nullptr);
    UserInput::clickWindow(clikpad->button(message, "OK"));
    EXPECT_TRUE(clikpad->waitForExit());
}

TEST_F(EndToEnd, HelpOpensFromAnyFolderAndNoPlantedLibraryIsLoaded) {
    // A copy with its help in a folder the ANSI code page cannot spell, and a library named as the help control.
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = temp + ("clikpad-\u0410\u043d\u043d\u0430-" + std::to_string(GetCurrentProcessId()));
    const std::string built = clikpadExePath(), builtFolder = built.substr(0, built.find_last_of('\\'));
    CreateDirectoryW(wide(folder).c_str(), nullptr);
    const std::pair<std::string, const char*> files[] = {{built, "\\clikpad-copy.exe"},
                                                         {builtFolder + "\\clikpad.chm", "\\clikpad.chm"},
                                                         {windowsPath(PLANTED_LIBRARY), "\\hhctrl.ocx"}};
    for (const auto& [from, to] : files)
        ASSERT_TRUE(CopyFileW(wide(from).c_str(), wide(folder + to).c_str(), FALSE)) << from;
    RegDeleteKeyValueA(HKEY_CURRENT_USER, "Software\\ClikpadTests", "PlantedLibraryLoaded");
    // Told to prefer files for this copy, Wine looks for the help control as Windows does (which ignores this).
    const std::string wine = "Software\\Wine\\AppDefaults\\clikpad-copy.exe";
    RegSetKeyValueA(HKEY_CURRENT_USER, (wine + "\\DllOverrides").c_str(), "hhctrl.ocx", REG_SZ, "native,builtin", 15);
    clikpad = std::make_unique<ClikpadProcess>(folder + "\\clikpad-copy.exe");
    ASSERT_TRUE(clikpad->waitForMainWindow());
    SetForegroundWindow(clikpad->main());
    pumpFor(100);
    UserInput::pressKey(VK_F1);
    EXPECT_NE(waitForWindow("Clikpad Help", "HH Parent", 8000), nullptr) << "the system's help did not open";
    EXPECT_EQ(stored(HKEY_CURRENT_USER, "PlantedLibraryLoaded", "Software\\ClikpadTests"), "-");
    clikpad.reset();
    RegDeleteTreeA(HKEY_CURRENT_USER, wine.c_str());
    for (const auto& [from, to] : files) DeleteFileW(wide(folder + to).c_str());
    RemoveDirectoryW(wide(folder).c_str());
}
