// The main window's menu commands and its life as a notification icon.
#include "app/Module1.h"
#include "app/frmMain.h"
#include "platform/HtmlHelp.h"
#include "platform/Menu.h"
#include "platform/MessagePump.h"
#include "platform/ModuleName.h"
#include "settings/SettingsStore.h"
#include "settings/frmSettings.h"

void frmMain::mnuSettings_Click() { forms_.liveSettings().Show(Dialog::Holds::MainWindow); }

void frmMain::mnuHotKeys_Click() { forms_.showHotKeys(Dialog::Holds::MainWindow); }

void frmMain::mnuClickList_Click() { forms_.showClickList(Dialog::Holds::MainWindow); }

void frmMain::mnuHiddenSettings_Click() { forms_.liveSettings().Show(); }

void frmMain::mnuAbout_Click() { forms_.showAbout(Dialog::Holds::MainWindow); }

void frmMain::mnuAlwaysOnTop_Click() {
    const bool on = !alwaysOnTopChecked();
    Menu::setChecked(menuBar(), mnuAlwaysOnTop, on);
    SetTopMost(hwnd(), on);
    SettingsStore::saveAlwaysOnTop(on);
}

void frmMain::mnuContents_Click() {
    const std::string file = kHelpFile;
    HtmlHelp::displayTopic(executableFolder() + L"\\" + std::wstring(file.begin(), file.end()), kHelpTopic);
}

void frmMain::mnuHiddenExit_Click() {
    icon_.remove();
    minimizedToIcon_ = false;
    SendMessageA(hwnd(), WM_CLOSE, 0, 0);
}

void frmMain::mnuHiddenRestore_Click() {
    minimizedToIcon_ = false;
    ShowWindow(hwnd(), SW_RESTORE);
    icon_.remove();
    ShowWindow(hwnd(), SW_SHOW);
}

void frmMain::minimizeToNotificationIcon() {
    ShowWindow(hwnd(), SW_HIDE);
    minimizedToIcon_ = true;
    showNotificationIcon();
}

void frmMain::showNotificationIcon() {
    const auto icon = reinterpret_cast<HICON>(SendMessageA(control(Picture2), STM_GETICON, 0, 0));
    // With no icon the user would have no way back to a hidden window.
    if (!icon_.add(control(Picture2), icon)) mnuHiddenRestore_Click();
}

bool frmMain::Picture2_MouseMove(LPARAM mouseMessage) {
    switch (static_cast<UINT>(mouseMessage)) {
    case WM_RBUTTONDOWN:
        showPopupMenu();
        return true;
    case WM_LBUTTONDBLCLK:
        mnuHiddenRestore_Click();
        return true;
    default:
        return true;  // moves, single clicks, releases: nothing
    }
}

void frmMain::showPopupMenu() {
    dispatchPendingMessages();  // a due tick runs before the menu opens
    // Our window must be foreground, or the menu will not close when the user
    // clicks elsewhere.
    SetForegroundWindow(hwnd());
    POINT pointer{};
    GetCursorPos(&pointer);
    TrackPopupMenu(popup_.get(), TPM_LEFTALIGN | TPM_LEFTBUTTON, pointer.x, pointer.y, 0, hwnd(), nullptr);
    PostMessageA(hwnd(), WM_NULL, 0, 0);
}
