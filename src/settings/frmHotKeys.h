// The Hot Keys dialog: the run's two system-wide hot keys, each in a hot-key control
// that also takes none. OK puts them in force at once and saves them, or says which
// key another program holds and stays open; Cancel changes nothing.
#pragma once

#include "platform/Dialog.h"
#include "settings/MainWindowLink.h"
#include "settings/SettingsStore.h"

class frmHotKeys : public Dialog {
public:
    enum Control { Label1, HotKey1, Label2, HotKey2, Command1, Command2, kControlCount };

    explicit frmHotKeys(MainWindowLink& mainWindow);

    HotKeys shown() const;
    void show(const HotKeys& keys);

private:
    void Command1_Click();

    MainWindowLink& mainWindow_;
};
