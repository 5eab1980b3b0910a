// Clikpad as a user meets it: the real program in its own process, driven with the
// real pointer and keyboard, for what only an outside process can see.
#include "ClikpadProcess.h"
#include "TestWindow.h"
#include "UserInput.h"
#include "platform/RegKey.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

std::string stored(HKEY hive, const char* name, const char* key = "SOFTWARE\\Talvick Software\\Clikpad") {
    char text[256] = {};
    DWORD size = sizeof text;
    return RegGetValueA(hive, key, name, RRF_RT_ANY, nullptr, text, &size) == ERROR_SUCCESS ? text : "-";
}

class EndToEnd : public ::testing::Test {
protected:
    void SetUp() override { deleteSettings(); }
    void TearDown() override {
        clikpad.reset();
        deleteSettings();
    }
    HWND main() const { return clikpad->main(); }
    void launch(const std::string& exe = clikpadExePath()) {
        clikpad = std::make_unique<ClikpadProcess>(exe);
        ASSERT_TRUE(clikpad->waitForMainWindow()) << "no main window appeared";
    }
    HWND waitForWindow(const std::string& caption, const char* className, DWORD timeoutMs = 5000) {
        HWND found = nullptr;
        pumpUntil([&] { return (found = clikpad->findWindow(caption, className)) && IsWindowVisible(found); },
                  timeoutMs);
        return found;
    }
    void chooseMenu(char menuLetter, char itemLetter) {
        SetForegroundWindow(main());
        pumpFor(50);
        UserInput::pressWithAlt(menuLetter);
        UserInput::pressKey(static_cast<WORD>(VkKeyScanA(itemLetter) & 0xFF));
    }
    std::unique_ptr<ClikpadProcess> clikpad;
};

}  // namespace

TEST_F(EndToEnd, AUserTypesATimeRunsClicksOnAWindowStopsAndExits) {
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    TestWindow target({width * 3 / 4 - 150, height / 2 - 100, width * 3 / 4 + 150, height / 2 + 100},
                      RGB(255, 255, 255));
    launch();
    // A first start writes the defaults, into the machine's key where it may, else into the user's.
    HKEY settingsHive = stored(HKEY_LOCAL_MACHINE, "Ver") == "4.3" ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
    EXPECT_EQ(stored(settingsHive, "Events") + stored(settingsHive, "Ver"), "44.3");
    chooseMenu('o', 's');
    HWND settings = waitForWindow("Settings", "ClikpadForm");
    ASSERT_NE(settings, nullptr);
    HWND times = FindWindowExA(settings, nullptr, "Edit", nullptr);
    UserInput::clickWindow(times);
    SendMessageA(times, EM_SETSEL, 0, -1);
    UserInput::type("1");
    UserInput::clickWindow(clikpad->button(settings, "&Ok"));
    ASSERT_TRUE(pumpUntil([&] { return !IsWindow(settings); }));
    EXPECT_EQ(stored(settingsHive, "Events"), "1");

    HWND start = clikpad->button(main(), "Start");
    UserInput::clickWindow(start);
    UserInput::movePointer(target.centre());
    EXPECT_TRUE(pumpUntil([&] { return target.receivedOf({WM_LBUTTONUP}).size() >= 2; }, 5000));
    UserInput::clickWindow(clikpad->button(main(), "Stop"));
    EXPECT_TRUE(pumpUntil([&] { return IsWindowEnabled(start) != FALSE; }));
    chooseMenu('o', 'x');
    ASSERT_TRUE(clikpad->waitForExit());
    DWORD code = 1;
    GetExitCodeProcess(clikpad->handle(), &code);
    EXPECT_EQ(code, 0u);
}

TEST_F(EndToEnd, AnUnwritableMachineKeySendsTheSettingsToTheUserThenAFailureIsReported) {
    const auto makeVolatileParent = [](HKEY hive) {  // a non-volatile key cannot be made below a volatile one
        RegKey key;
        return RegCreateKeyExA(hive, "SOFTWARE\\Talvick Software", 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS,
                               nullptr, key.receive(), nullptr) == ERROR_SUCCESS;
    };
    if (!makeVolatileParent(HKEY_LOCAL_MACHINE)) GTEST_SKIP() << "needs administrator rights to change the machine key";
    launch();
    EXPECT_EQ(stored(HKEY_CURRENT_USER, "Ver") + stored(HKEY_LOCAL_MACHINE, "Ver"), "4.3-");
    clikpad.reset();
    RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE\\Talvick Software");
    makeVolatileParent(HKEY_CURRENT_USER);
    clikpad = std::make_unique<ClikpadProcess>();
    HWND message = waitForWindow("Clikpad", "#32770");
    ASSERT_NE(message, nullptr);
    EXPECT_NE(textOf(GetDlgItem(message, 0xFFFF)).find("Failed to set registry value"), std::string::npos);
    EXPECT_EQ(clikpad->findWindow("Clikpad", "ClikpadForm"), nullptr);
    UserInput::clickWindow(clikpad->button(message, "OK"));
    EXPECT_TRUE(clikpad->waitForExit());
}

TEST_F(EndToEnd, ALibraryPlantedBesideTheProgramIsNeverLoaded) {
    // A copy of the program in a folder of its own with its help file, and a library
    // named as the help control that marks the registry when it is loaded.
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = temp + std::string("clikpad-planted-") + std::to_string(GetCurrentProcessId());
    const std::string built = clikpadExePath(), builtFolder = built.substr(0, built.find_last_of('\\'));
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::pair<std::string, const char*> files[] = {{built, "\\clikpad-copy.exe"},
                                                         {builtFolder + "\\clikpad.chm", "\\clikpad.chm"},
                                                         {windowsPath(PLANTED_LIBRARY), "\\hhctrl.ocx"}};
    for (const auto& [from, to] : files) ASSERT_TRUE(CopyFileA(from.c_str(), (folder + to).c_str(), FALSE)) << from;
    RegDeleteKeyValueA(HKEY_CURRENT_USER, "Software\\ClikpadTests", "PlantedLibraryLoaded");
    // Wine takes its own help control whatever lies beside a program; told to prefer
    // files for this copy, it searches as Windows does. Windows ignores the setting.
    const std::string wine = "Software\\Wine\\AppDefaults\\clikpad-copy.exe";
    RegSetKeyValueA(HKEY_CURRENT_USER, (wine + "\\DllOverrides").c_str(), "hhctrl.ocx", REG_SZ, "native,builtin", 15);
    launch(folder + "\\clikpad-copy.exe");
    SetForegroundWindow(main());
    pumpFor(100);
    UserInput::pressKey(VK_F1);
    EXPECT_NE(waitForWindow("Clikpad Help", "HH Parent", 8000), nullptr) << "the system's help did not open";
    EXPECT_EQ(stored(HKEY_CURRENT_USER, "PlantedLibraryLoaded", "Software\\ClikpadTests"), "-");
    clikpad.reset();
    RegDeleteTreeA(HKEY_CURRENT_USER, wine.c_str());
    for (const auto& [from, to] : files) DeleteFileA((folder + to).c_str());
    RemoveDirectoryA(folder.c_str());
}
