#include "app/frmMain.h"

#include "app/Module1.h"
#include "platform/HotKey.h"
#include "platform/KeepAwake.h"
#include "platform/Menu.h"
#include "platform/MessageBox.h"
#include "platform/MessageFilter.h"
#include "platform/StatusBar.h"
#include "resource.h"
#include "settings/SettingsStore.h"
#include "settings/frmSettings.h"
#include "version.h"

#include <array>

namespace {

using K = ControlKind;
constexpr int W = ControlLayout::kInWindow;

constexpr std::array<ControlLayout, frmMain::kControlCount> kLayout{{
    {"Frame1", K::Frame, W, "", {0, 0, 2775, 2055}},
    {"Image1", K::PictureBox, frmMain::Frame1, "", {120, 240, 975, 1710}, false, SS_BITMAP},
    {"Command1", K::PushButton, frmMain::Frame1, "Start", {1320, 360, 1215, 495}},
    {"Command2", K::PushButton, frmMain::Frame1, "Pause", {1320, 840, 1215, 495}},
    {"Command3", K::PushButton, frmMain::Frame1, "Stop", {1320, 1320, 1215, 495}},
    {"Picture1", K::PictureBox, frmMain::Frame1, "", {1440, 1320, 375, 375}},
    {"StatusBar2", K::StatusBar, W, "", {0, 2040, 2775, 375}},
    {"StatusBar1", K::StatusBar, W, "", {0, 2415, 2775, 375}},
    {"Picture2", K::PictureBox, W, "", {3960, 240, 540, 540}, false, SS_ICON},
}};

constexpr const char* kAdDetectorOn = "Ad Detector: On";
constexpr const char* kAdDetectorOff = "Ad Detector: Off";
// A popup item's caption shows its hot key after a tab, as menus show shortcuts.
std::string withShortcut(std::string caption, WORD key) {
    if (key) caption.append("\t").append(HotKey::name(key));
    return caption;
}

constexpr const char* kTimerTip = "Time left until next attempted click";
constexpr const char* kClicksTip = "Total number of clicks/games played";

constexpr Menu::Item kOptionsMenu[] = {{frmMain::mnuSettings, "&Settings"},
                                       {frmMain::mnuAlwaysOnTop, "&Always On Top"},
                                       {frmMain::mnuHotKeys, "Hot Keys..."},
                                       {frmMain::mnuClickList, "&Click List..."},
                                       {0, nullptr},
                                       {frmMain::mnuExit, "E&xit"}};
constexpr Menu::Item kHelpMenu[] = {{frmMain::mnuContents, "Contents\tF1"},
                                    {frmMain::mnuAbout, "About " CLIKPAD_PRODUCT_NAME}};
constexpr Menu::Popup kMenuBar[] = {{"&Options", kOptionsMenu}, {"&Help", kHelpMenu}};
// Never in the menu bar: the notification icon's popup menu.
constexpr Menu::Item kHiddenMenu[] = {{frmMain::mnuHiddenStart, "Start"},
                                      {frmMain::mnuHiddenPause, "Pause"},
                                      {frmMain::mnuHiddenStop, "Stop"},
                                      {0, nullptr},
                                      {frmMain::mnuHiddenSettings, "Settings"},
                                      {frmMain::mnuHiddenAbout, "About " CLIKPAD_PRODUCT_NAME},
                                      {0, nullptr},
                                      {frmMain::mnuHiddenRestore, "Restore"},
                                      {0, nullptr},
                                      {frmMain::mnuHiddenExit, "Exit"}};

}  // namespace

frmMain::frmMain(FormsHost& forms) : forms_(forms) {
    createWindowAndControls();
    connectHandlers();
    // An elevated program hears the shell's announcement only when it asks to.
    MessageFilter::allow(hwnd(), taskbarCreated_);
}

frmMain::~frmMain() { destroy(); }

void frmMain::createWindowAndControls() {
    popup_ = Menu::makePopup(kHiddenMenu);
    createWindow(
        {CLIKPAD_PRODUCT_NAME, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0, 2775, 2790, IDI_CLIKPAD},
        Menu::makeBar(kMenuBar));
    createControls(kLayout);
    timer_.attach(hwnd());
    hotKeys_.attach(hwnd());
    runFocus_.use({control(Command1), control(Command2), control(Command3)});

    picture_.reset(static_cast<HBITMAP>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_IMAGE1), IMAGE_BITMAP, 0, 0, 0)));
    SendMessageA(control(Image1), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture_.get()));
    // The small image: the notification icon is taken from here.
    SendMessageA(control(Picture2), STM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(smallIcon()));

    fitStatusPanels();
    notice_.attach(hwnd(), control(StatusBar1));
    panelTips_.add(control(StatusBar2), 1, kTimerTip);
    panelTips_.add(control(StatusBar2), 2, kClicksTip);
    run_.Stop();  // the controls as a stopped run shows them
    showAdDetectorState(false);
}

void frmMain::connectHandlers() {
    onCommand(controlId(Command1), [this] { run_.Start(); });
    onCommand(controlId(Command2), [this] { run_.PauseContinue(); });
    onCommand(controlId(Command3), [this] { run_.Stop(); });
    onCommand(mnuHiddenStart, [this] { run_.Start(); });
    onCommand(mnuHiddenPause, [this] { run_.PauseContinue(); });
    onCommand(mnuHiddenStop, [this] { run_.Stop(); });
    onCommand(mnuSettings, [this] { mnuSettings_Click(); });
    onCommand(mnuHiddenSettings, [this] { mnuHiddenSettings_Click(); });
    onCommand(mnuAbout, [this] { mnuAbout_Click(); });
    onCommand(mnuHiddenAbout, [this] { forms_.showAbout(Dialog::Holds::Nothing); });
    onCommand(mnuAlwaysOnTop, [this] { mnuAlwaysOnTop_Click(); });
    onCommand(mnuHotKeys, [this] { mnuHotKeys_Click(); });
    onCommand(mnuClickList, [this] { mnuClickList_Click(); });
    onCommand(mnuContents, [this] { mnuContents_Click(); });
    onCommand(mnuExit, [this] { SendMessageA(hwnd(), WM_CLOSE, 0, 0); });
    onCommand(mnuHiddenExit, [this] { mnuHiddenExit_Click(); });
    onCommand(mnuHiddenRestore, [this] { mnuHiddenRestore_Click(); });
    // A tick already queued when the timer was stopped belongs to no run.
    onTimer(timer_.id(), [this] {
        if (timer_.Enabled()) run_.Tick();
    });
    onControlMessage(Picture2, [this](UINT message, WPARAM, LPARAM lParam) {
        return message == NotificationIcon::kCallbackMessage && Picture2_MouseMove(lParam);
    });
}

void frmMain::Form_Load() {
    SettingsStore::resetUnlessCurrentVersion();
    const Settings stored = SettingsStore::load();
    forms_.liveSettings().apply(stored);  // made hidden here; its own load step has read them too
    showAdDetectorState(stored.adDetectorOn);
    Menu::setChecked(menuBar(), mnuAlwaysOnTop, stored.alwaysOnTop);
    if (stored.alwaysOnTop) SetTopMost(hwnd(), true);
    run_.ClearAdReference();
    useHotKeys(SettingsStore::hotKeys());  // a key another program holds stays unused, quietly: the dialog tells
}

void frmMain::Show() {
    ShowWindow(hwnd(), SW_SHOWNORMAL);
    Form_Resize();  // the first showing counts as a size event
    UpdateWindow(hwnd());
    SetFocus(control(Command1));
}

void frmMain::Form_Resize() {
    if (IsIconic(hwnd()) && !minimizedToIcon_ && SettingsStore::minimizeToNotificationIcon())
        minimizeToNotificationIcon();
    if (alwaysOnTopChecked()) SetTopMost(hwnd(), true);
}

void frmMain::Form_Unload() {
    forms_.unloadDialogs();
    destroy();
    PostQuitMessage(0);
}

void frmMain::dpiChanged() {
    fitStatusPanels();
    panelTips_.refit(control(StatusBar2), 1);
    panelTips_.refit(control(StatusBar2), 2);
    SendMessageA(control(Picture2), STM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(smallIcon()));
}

void frmMain::fitStatusPanels() {
    // Every text the panels show, at the widest counts that a run shows.
    StatusBar::fitPanels({control(StatusBar2), control(StatusBar1)},
                         {ClickRun::kStopped, ClickRun::kRunning, ClickRun::kPaused, "Timer: 32766"},
                         {"Clicks: 32766", kAdDetectorOn, kAdDetectorOff});
}

bool frmMain::handleMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message == taskbarCreated_) {
        // The notification area was made anew; without the icon a hidden window has no way back.
        if (minimizedToIcon_ && !icon_.addAgain()) mnuHiddenRestore_Click();
        return false;
    }
    switch (message) {
    case WM_SIZE:
        Form_Resize();
        notice_.followWindow();
        return false;
    case WM_MOVE:
        notice_.followWindow();
        return false;
    case WM_CLOSE:
        Form_Unload();
        result = 0;
        return true;
    case WM_ENDSESSION:
        if (wParam) Form_Unload();  // logoff or shutdown
        result = 0;
        return true;
    case WM_HOTKEY:
        hotKey_Pressed(wParam);
        result = 0;
        return true;
    case WM_DESTROY:
        // However the window goes, no dead notification icon may stay, no key
        // stays taken from other programs, and the PC may sleep again.
        if (icon_.shown()) icon_.remove();
        minimizedToIcon_ = false;
        hotKeys_.release();
        KeepAwake::set(false);
        return false;
    default:
        return false;
    }
}

void frmMain::setStartEnabled(bool enabled) {
    if (enabled) notice_.hide();  // the run it spoke of has ended
    runFocus_.enable(control(Command1), enabled);
    Menu::setEnabled(mnuHidden(), mnuHiddenStart, enabled);
}

void frmMain::setPauseEnabled(bool enabled) {
    runFocus_.enable(control(Command2), enabled);
    Menu::setEnabled(mnuHidden(), mnuHiddenPause, enabled);
}

void frmMain::setStopEnabled(bool enabled) {
    runFocus_.enable(control(Command3), enabled);
    Menu::setEnabled(mnuHidden(), mnuHiddenStop, enabled);
}

void frmMain::setPauseCaption(const std::string& caption) {
    setWindowText(control(Command2), caption);
    Menu::setCaption(mnuHidden(), mnuHiddenPause, withShortcut(caption, hotKeys_.inForce().run));
}

void frmMain::enableTimer(bool enabled) {
    timer_.Enabled(enabled);
    KeepAwake::set(enabled);  // only while a run is Running
}

HotKeys frmMain::useHotKeys(const HotKeys& keys) {
    const HotKeys taken = hotKeys_.use(keys);
    showHotKeysInPopup();
    return taken;
}

void frmMain::releaseHotKeys() {
    hotKeys_.release();
    showHotKeysInPopup();
}

// Only the keys in force: a key another program holds would do nothing here.
void frmMain::showHotKeysInPopup() {
    Menu::setCaption(mnuHidden(), mnuHiddenStart, withShortcut("Start", hotKeys_.inForce().run));
    setPauseCaption(pauseCaption());
    Menu::setCaption(mnuHidden(), mnuHiddenStop, withShortcut("Stop", hotKeys_.inForce().stop));
}

// The same operations as the buttons, whether the window is shown, minimised or beside
// the clock, and like them nothing while a dialog or a message of Clikpad's holds the window.
void frmMain::hotKey_Pressed(WPARAM id) {
    if (!IsWindowEnabled(hwnd()) || messageShown()) return;
    if (id == RunHotKeys::kRunId) IsWindowEnabled(control(Command1)) ? run_.Start() : run_.PauseContinue();
    if (id == RunHotKeys::kStopId && IsWindowEnabled(control(Command3))) run_.Stop();
}

std::string frmMain::pauseCaption() const { return windowText(control(Command2)); }

void frmMain::setRunStatus(const std::string& text) { StatusBar::setPanelText(control(StatusBar1), 1, text); }

void frmMain::setTimerPanel(const std::string& text) { StatusBar::setPanelText(control(StatusBar2), 1, text); }

void frmMain::setClicksPanel(const std::string& text) { StatusBar::setPanelText(control(StatusBar2), 2, text); }

void frmMain::reportUnusableTimes() {
    showMessage(hwnd(),
                "The list of times between clicks is empty or holds a time Clikpad cannot count down.\n\n"
                "Open Options > Settings and enter whole seconds from 1 to 32766, separated by commas "
                "(for example 4 or 5,10).",
                CLIKPAD_PRODUCT_NAME);
}

void frmMain::reportSkippedClicks(Skipped why) {
    static_assert(RunNotice::kLongestText < sizeof NOTIFYICONDATAA{}.szInfo,
                  "the notification balloon would cut a notice short");
    const RunNotice::Text& notice = why == Skipped::Blocked ? RunNotice::kBlockedClicks : RunNotice::kPointOffScreen;
    if (minimizedToIcon_) return icon_.showBalloon(notice.title, notice.text);
    notice_.show(notice);
}

bool frmMain::adDetectorOn() { return forms_.liveSettings().adDetectorOn(); }

bool frmMain::primaryButton() { return forms_.liveSettings().primaryButton(); }

void frmMain::showAdDetectorState(bool on) {
    StatusBar::setPanelText(control(StatusBar1), 2, on ? kAdDetectorOn : kAdDetectorOff);
}

void frmMain::settingsSaved(bool adDetectorOn) {
    showAdDetectorState(adDetectorOn);
    run_.Stop();
}

bool frmMain::alwaysOnTopChecked() const { return Menu::isChecked(menuBar(), mnuAlwaysOnTop); }
