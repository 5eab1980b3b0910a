// The Click List dialog: where each time of the list clicks, at the pointer or at a
// point of the screen picked with the mouse; how much each time varies; and whether a
// click at a point waits while the user works. OK saves them for the next Start and
// leaves a run as it is; Cancel, Escape and the close box change nothing.
#pragma once

#include "platform/Dialog.h"
#include "settings/MainWindowLink.h"
#include "settings/SettingsStore.h"

#include <string>
#include <vector>

class frmClickList : public Dialog {
public:
    enum Control {
        Label1,
        List1,
        Command1,
        Command2,
        Label2,
        Text1,
        Label3,
        Check1,
        Command3,
        Command4,
        kControlCount
    };
    static constexpr const char* kAtThePointer = "At the pointer";

    explicit frmClickList(MainWindowLink& mainWindow);

    // As the dialog shows it now, the points stored past the last time included.
    ClickList shown() const;
    // A row of the list as it shows: the time, a tab, and where it clicks.
    std::string rowText(int row) const;

private:
    void Command1_Click();  // Pick Point...
    void Command2_Click();  // At the Pointer
    void Command3_Click();  // Ok
    void enterPressed();
    void showRows();
    int selectedRow() const;

    std::vector<std::string> times_;
    ClickPoints::PointList points_;
};
