#include "settings/frmClickList.h"

#include "platform/MessageBox.h"
#include "platform/PointPicker.h"
#include "platform/Window.h"
#include "resource.h"
#include "rules/TimeText.h"

#include <array>
#include <vector>

namespace {

using K = ControlKind;
constexpr int W = ControlLayout::kInWindow;

constexpr std::array<ControlLayout, frmClickList::kControlCount> kLayout{{
    {"Label1", K::Label, W, "&Times of the list, and where each clicks:", {120, 120, 3495, 255}},
    {"List1", K::ListBox, W, "", {120, 420, 3495, 1815}},
    {"Command1", K::PushButton, W, "&Pick Point...", {3735, 420, 1455, 375}},
    {"Command2", K::PushButton, W, "At the Poi&nter", {3735, 900, 1455, 375}},
    {"Label2", K::Label, W, "&Vary each time by up to", {120, 2460, 1935, 255}},
    {"Text1", K::TextBox, W, "", {2100, 2400, 495, 310}, false, ES_NUMBER},
    {"Label3", K::Label, W, "seconds", {2700, 2460, 1095, 255}},
    {"Check1", K::CheckBox, W, "&Wait while I use the mouse or keyboard", {120, 2880, 4455, 255}},
    {"Command3", K::PushButton, W, "&Ok", {2640, 3360, 1215, 375}},
    {"Command4", K::PushButton, W, "&Cancel", {3975, 3360, 1215, 375}},
}};

constexpr const char* kTitle = "Click List";

}  // namespace

frmClickList::frmClickList(MainWindowLink& mainWindow) : Dialog(mainWindow.window(), List1) {
    createWindow({kTitle, WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME, 5310, 3855, IDI_CLIKPAD});
    createControls(kLayout);
    onCommand(controlId(Command1), [this] { Command1_Click(); });
    onCommand(controlId(Command2), [this] { Command2_Click(); });
    onCommand(controlId(Command3), [this] { Command3_Click(); });
    onCommand(controlId(Command4), [this] { Unload(); });
    onCommand(IDCANCEL, [this] { Unload(); });  // Escape, as the dialog manager gives it
    onCommand(IDOK, [this] { enterPressed(); });
    onControlMessage(List1, [this](UINT message, WPARAM, LPARAM) {
        if (message != WM_LBUTTONDBLCLK) return false;
        Command1_Click();
        return true;
    });
    if (mainWindow.alwaysOnTopChecked()) setTopMost(hwnd(), true);
    const ClickList stored = SettingsStore::clickList();
    times_ = TimeText::splitEvents(SettingsStore::load().events);
    points_ = stored.points;
    showRows();
    setWindowText(control(Text1), std::to_string(stored.vary));
    setChecked(control(Check1), stored.waitForUser);
}

ClickList frmClickList::shown() const {
    return {points_, ClickPoints::parseVary(windowText(control(Text1))), isChecked(control(Check1))};
}

std::string frmClickList::rowText(int row) const {
    const auto index = static_cast<std::size_t>(row);
    const auto point = index < points_.size() ? points_[index] : std::nullopt;
    return times_.at(index) + "\t" + (point ? ClickPoints::text(*point) : kAtThePointer);
}

void frmClickList::showRows() {
    HWND list = control(List1);
    const int selected = std::max(0, selectedRow());
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (int row = 0; row < static_cast<int>(times_.size()); ++row)
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(rowText(row).c_str()));
    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

int frmClickList::selectedRow() const { return static_cast<int>(SendMessageA(control(List1), LB_GETCURSEL, 0, 0)); }

void frmClickList::Command1_Click() {
    const int row = selectedRow();
    if (row < 0) return;
    ShowWindow(hwnd(), SW_HIDE);  // out of the way of what the user points at
    const std::optional<POINT> point = PointPicker::pick();
    if (!exists()) return;  // the program ended meanwhile
    ShowWindow(hwnd(), SW_SHOW);
    SetForegroundWindow(hwnd());
    SetFocus(control(List1));
    if (!point) return;
    if (points_.size() <= static_cast<std::size_t>(row)) points_.resize(static_cast<std::size_t>(row) + 1);
    points_[static_cast<std::size_t>(row)] = ClickPoints::ScreenPoint{point->x, point->y};
    showRows();
}

void frmClickList::Command2_Click() {
    const int row = selectedRow();
    if (row < 0 || static_cast<std::size_t>(row) >= points_.size()) return;  // at the pointer already
    points_[static_cast<std::size_t>(row)].reset();
    showRows();
}

void frmClickList::Command3_Click() {
    const std::string vary = windowText(control(Text1));
    if (ClickPoints::parseVary(vary) == 0 && vary.find_first_not_of('0') != std::string::npos) {
        showMessage(
            hwnd(),
            "Vary each time by a whole number of seconds from 0 to " + std::to_string(ClickPoints::kMostVary) + ".",
            kTitle);
        return;
    }
    SettingsStore::saveClickList(shown());
    Unload();
}

// In the list Enter picks a point for the selected time; elsewhere it presses the focused button.
void frmClickList::enterPressed() {
    if (GetFocus() == control(List1)) return Command1_Click();
    pressFocusedButton();
}
