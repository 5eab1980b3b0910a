#include "E2eTesting.h"

#include "platform/RegKey.h"

void EndToEnd::SetUp() {
    DeleteSettings();
    target = std::make_unique<TestWindow>(RECT{1400, 700, 1700, 950}, RGB(255, 255, 255));
}

void EndToEnd::TearDown() {
    clikpad.reset();
    target.reset();
    DeleteSettings();
}

ClikpadProcess& EndToEnd::launch() {
    clikpad = std::make_unique<ClikpadProcess>();
    EXPECT_TRUE(clikpad->waitForMainWindow()) << "no main window appeared";
    return *clikpad;
}

bool EndToEnd::waitForPanel(int bar, int number, const std::string& text, DWORD timeoutMs) {
    return PumpUntil([&] { return panel(bar, number) == text; }, timeoutMs);
}

HWND EndToEnd::waitForWindow(const std::string& caption, const char* className, DWORD timeoutMs) {
    HWND found = nullptr;
    PumpUntil([&] {
        found = clikpad->findWindow(caption, className);
        return found && IsWindowVisible(found);
    }, timeoutMs);
    return found;
}

bool EndToEnd::waitUntilGone(HWND window, DWORD timeoutMs) {
    return PumpUntil([&] { return !IsWindow(window) || !IsWindowVisible(window); }, timeoutMs);
}

void EndToEnd::clickButton(HWND parent, const std::string& caption) {
    HWND button = clikpad->button(parent, caption);
    ASSERT_NE(button, nullptr) << caption;
    UserInput::ClickWindow(button);
}

void EndToEnd::chooseMenu(char menuLetter, char itemLetter) {
    SetForegroundWindow(main());
    PumpFor(50);
    UserInput::PressWithAlt(menuLetter);
    UserInput::PressKey(static_cast<WORD>(VkKeyScanA(itemLetter) & 0xFF));
}

void EndToEnd::chooseMenuItemAt(char menuLetter, int index) {
    SetForegroundWindow(main());
    PumpFor(50);
    UserInput::PressWithAlt(menuLetter);
    for (int i = 0; i < index; ++i) UserInput::PressKey(VK_DOWN);
    UserInput::PressKey(VK_RETURN);
}

HWND EndToEnd::openSettings() {
    chooseMenu('o', 's');
    return waitForWindow("Settings", "ClikpadForm");
}

void EndToEnd::typeTimes(HWND settings, const std::string& text) {
    HWND box = FindWindowExA(settings, nullptr, "Edit", nullptr);
    ASSERT_NE(box, nullptr);
    UserInput::ClickWindow(box);
    UserInput::SelectLine();
    UserInput::Type(text);
    ASSERT_TRUE(PumpUntil([&] { return TextOf(box) == text; }, 2000)) << "typed '" << text << "', box shows '"
                                                                     << TextOf(box) << "'";
}

std::map<std::string, std::string> EndToEnd::stored(HKEY hive) const {
    std::map<std::string, std::string> values;
    RegKey key;
    if (RegOpenKeyExA(hive, kSettingsPath, 0, KEY_READ, key.receive()) != ERROR_SUCCESS) return values;
    for (DWORD index = 0;; ++index) {
        char name[256], data[1024];
        DWORD nameLength = sizeof name, dataLength = sizeof data - 1, type = 0;
        if (RegEnumValueA(key.get(), index, name, &nameLength, nullptr, &type, reinterpret_cast<BYTE*>(data),
                          &dataLength) != ERROR_SUCCESS)
            break;
        data[dataLength] = '\0';
        values[name] = data;
    }
    return values;
}

void EndToEnd::store(const std::map<std::string, std::string>& values) const { StoreSettings(values); }

bool EndToEnd::waitForClicks(std::size_t count, UINT upMessage, DWORD timeoutMs) {
    return PumpUntil([&] { return clicksOnTarget(upMessage) >= count; }, timeoutMs);
}
