// The driver's fixture: a clean settings key, a click target of the driver's own,
// and the ways a user reaches Clikpad's windows.
#pragma once

#include "ClikpadProcess.h"
#include "Screenshot.h"
#include "TestWindow.h"
#include "UserInput.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>

class EndToEnd : public ::testing::Test {
protected:
    static constexpr const char* kSettingsPath = "SOFTWARE\\Talvick Software\\Clikpad";

    void SetUp() override;
    void TearDown() override;

    // Starts clikpad.exe and waits for its main window.
    ClikpadProcess& launch();
    HWND main() const { return clikpad->main(); }
    std::string panel(int bar, int number) const { return clikpad->panelText(clikpad->statusBar(bar), number); }
    bool waitForPanel(int bar, int number, const std::string& text, DWORD timeoutMs = 5000);
    HWND waitForWindow(const std::string& caption, const char* className = nullptr, DWORD timeoutMs = 5000);
    bool waitUntilGone(HWND window, DWORD timeoutMs = 5000);

    void clickButton(HWND parent, const std::string& caption);
    void chooseMenu(char menuLetter, char itemLetter);
    // For items without an underlined letter: down the menu to the item, then Enter.
    void chooseMenuItemAt(char menuLetter, int index);
    HWND openSettings();
    void typeTimes(HWND settings, const std::string& text);

    // Stored settings of the machine key, or of the given hive.
    std::map<std::string, std::string> stored(HKEY hive = HKEY_LOCAL_MACHINE) const;
    void store(const std::map<std::string, std::string>& values) const;

    // Clicks on the target so far: button-up messages of the given kind.
    std::size_t clicksOnTarget(UINT upMessage = WM_LBUTTONUP) const { return target->receivedOf({upMessage}).size(); }
    bool waitForClicks(std::size_t count, UINT upMessage = WM_LBUTTONUP, DWORD timeoutMs = 8000);
    void pointAtTarget() { UserInput::MovePointer(target->centre()); }

    std::unique_ptr<TestWindow> target;
    std::unique_ptr<ClikpadProcess> clikpad;
};

