// The main window: Start, Pause and Stop, the two status bars, the menus and the
// hidden popup menu of the notification icon. Creating it is the program's start.
#pragma once

#include "app/ClickRun.h"
#include "app/FormsHost.h"
#include "app/NotificationIcon.h"
#include "app/RunButtonFocus.h"
#include "app/RunHotKeys.h"
#include "app/RunNotice.h"
#include "platform/Form.h"
#include "platform/StatusBar.h"
#include "platform/WindowTimer.h"
#include "settings/MainWindowLink.h"

class frmMain : public Form, public RunControls, public ClickChoices, public MainWindowLink {
public:
    enum Control {
        Frame1,
        Image1,
        Command1,
        Command2,
        Command3,
        Picture1,
        StatusBar2,
        StatusBar1,
        Picture2,
        kControlCount
    };

    enum MenuId : UINT {
        mnuSettings = 2001,
        mnuAlwaysOnTop,
        mnuExit,
        mnuContents,
        mnuAbout,
        mnuHotKeys,
        mnuClickList,
        mnuHiddenStart = 2101,
        mnuHiddenPause,
        mnuHiddenStop,
        mnuHiddenSettings,
        mnuHiddenAbout,
        mnuHiddenRestore,
        mnuHiddenExit
    };

    // Builds the window with its controls and menus; Form_Load brings the stored
    // settings into force, Show shows it.
    explicit frmMain(FormsHost& forms);
    ~frmMain() override;

    void Form_Load();
    void Show();  // shown normal, focus on Start

    HMENU menuBar() const { return GetMenu(hwnd()); }
    HMENU mnuHidden() const { return popup_.get(); }
    ClickRun& run() { return run_; }
    const WindowTimer& Timer1() const { return timer_; }
    const NotificationIcon& notificationIcon() const { return icon_; }
    static constexpr const char* kHelpFile = "clikpad.chm";
    static constexpr const char* kHelpTopic = "clikpad.htm";

    // RunControls
    void setStartEnabled(bool enabled) override;
    void setPauseEnabled(bool enabled) override;
    void setStopEnabled(bool enabled) override;
    void setPauseCaption(const std::string& caption) override;
    std::string pauseCaption() const override;
    void setRunStatus(const std::string& text) override;
    void setTimerPanel(const std::string& text) override;
    void setClicksPanel(const std::string& text) override;
    void enableTimer(bool enabled) override;
    void reportUnusableTimes() override;
    void reportSkippedClicks(Skipped why) override;
    const Balloon& runNotice() const { return notice_.balloon(); }

    // ClickChoices: read from the live settings, made afresh when absent
    bool adDetectorOn() override;
    bool primaryButton() override;

    // MainWindowLink
    bool alwaysOnTopChecked() const override;
    void settingsSaved(bool adDetectorOn) override;
    HotKeys chosenHotKeys() const override { return hotKeys_.chosen(); }
    HotKeys hotKeysInForce() const override { return hotKeys_.inForce(); }
    HotKeys useHotKeys(const HotKeys& keys) override;
    void releaseHotKeys() override;
    HWND window() const override { return hwnd(); }

protected:
    bool handleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void dpiChanged() override;

private:
    void createWindowAndControls();
    void connectHandlers();
    void showAdDetectorState(bool on);
    void fitStatusPanels();
    void Form_Resize();
    void Form_Unload();

    // Menu commands
    void mnuSettings_Click();
    void mnuHotKeys_Click();
    void mnuClickList_Click();
    void showHotKeysInPopup();
    void hotKey_Pressed(WPARAM id);
    void mnuHiddenSettings_Click();
    void mnuAbout_Click();
    void mnuAlwaysOnTop_Click();
    void mnuContents_Click();
    void mnuHiddenExit_Click();
    void mnuHiddenRestore_Click();

    // Minimised to the notification icon
    void minimizeToNotificationIcon();
    void showNotificationIcon();
    bool Picture2_MouseMove(LPARAM mouseMessage);
    void showPopupMenu();

    FormsHost& forms_;
    NotificationIcon icon_;
    bool minimizedToIcon_ = false;
    const UINT taskbarCreated_ = RegisterWindowMessageA("TaskbarCreated");
    OwnedMenu popup_;
    RunHotKeys hotKeys_;
    RunButtonFocus runFocus_;
    OwnedBitmap picture_;
    PanelTips panelTips_;
    RunNotice notice_;
    WindowTimer timer_{1, 1000};
    ClickRun run_{*this, *this};
};
