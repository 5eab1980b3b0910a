// An App on scratch settings, ticked by hand, its mouse input and message boxes recorded.
#pragma once

#include "Recorders.h"
#include "ScratchKey.h"
#include "TestWindow.h"
#include "app/App.h"
#include "platform/Menu.h"
#include "platform/StatusBar.h"

#include <gtest/gtest.h>

#include <memory>

inline bool isTopMost(HWND window) { return (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

class AppTest : public ::testing::Test {
protected:
    using Texts = std::map<std::string, std::string>;
    void SetUp() override {
        SettingsStore::chooseLocation({ScratchKey::kHive, machine.path()}, {ScratchKey::kHive, user.path()}, false);
        WindowTimer::tickByHand(true);
    }
    void TearDown() override { app.reset(), WindowTimer::tickByHand(false); }
    void start(const Texts& changes = {}) {  // on the current version's defaults, with these texts instead
        for (const auto& [name, text] : SettingsStore::kDefaults) user.putText(std::string(name), std::string(text));
        for (const auto& [name, text] : changes) user.putText(name, text);
        app = std::make_unique<App>();
    }
    frmMain& main() { return app->mainWindow(); }
    HWND window() { return main().hwnd(); }
    frmSettings& settings() { return app->settingsDialog(); }
    HWND control(frmMain::Control which) { return main().control(which); }
    std::string panel(frmMain::Control bar, int number) { return StatusBar::panelText(control(bar), number); }
    void click(HWND button) { SendMessageA(button, BM_CLICK, 0, 0); }
    void click(frmMain::Control button) { click(control(button)); }
    void command(UINT id) { SendMessageA(main().hwnd(), WM_COMMAND, id, 0); }
    void tick() { SendMessageA(main().hwnd(), WM_TIMER, main().Timer1().id(), 0); }

    ScratchKey machine{"machine"}, user{"user"};
    MouseRecorder mouse;
    MessageRecorder boxes;
    std::unique_ptr<App> app;
};
