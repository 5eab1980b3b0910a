// An App on settings of the test's own: a scratch key stands in for the machine
// key, another for the user's.
#pragma once

#include "ScratchKey.h"
#include "app/App.h"
#include "platform/Menu.h"
#include "platform/StatusBar.h"
#include "settings/SettingsStore.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>

// Width in pixels of the icon's image; 0 when there is no icon.
inline int IconWidth(HICON icon) {
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info)) return 0;
    BITMAP bitmap{};
    GetObjectA(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return bitmap.bmWidth;
}

class AppTest : public ::testing::Test {
protected:
    void SetUp() override {
        SettingsStore::chooseLocation({machine.hive(), machine.path()}, {user.hive(), user.path()});
    }
    void TearDown() override { app.reset(); }

    // Stored settings of the current version: the defaults with these texts instead.
    void storeCurrent(const std::map<std::string, std::string>& changes = {}) {
        for (const auto& [name, text] : SettingsStore::kDefaults) machine.putText(std::string(name), std::string(text));
        for (const auto& [name, text] : changes) machine.putText(name, text);
    }

    App& start() {
        app = std::make_unique<App>();
        return *app;
    }

    frmMain& main() { return app->mainWindow(); }
    HWND control(frmMain::Control which) { return main().control(which); }
    std::string panel(frmMain::Control bar, int number) { return StatusBar::PanelText(control(bar), number); }
    void click(frmMain::Control button) { SendMessageA(control(button), BM_CLICK, 0, 0); }
    void command(UINT id) { SendMessageA(main().hwnd(), WM_COMMAND, id, 0); }
    void tick() { SendMessageA(main().hwnd(), WM_TIMER, main().Timer1().id(), 0); }

    ScratchKey machine{static_cast<std::int32_t>(0x80000002)};
    ScratchKey user{static_cast<std::int32_t>(0x80000001)};
    std::unique_ptr<App> app;
};
