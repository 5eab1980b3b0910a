// The Hot Keys dialog: the run's two system-wide hot keys, each in a hot-key control
// that also takes none. While it is open the keys are given back to Windows, so that
// its boxes can take them. OK puts the new ones in force and saves them, or says which
// key may not be used or is held by another program and stays open; Cancel, Escape
// and the close box put the old ones back. A stored key that another program held is
// said beside its box.
#pragma once

#include "platform/Dialog.h"
#include "settings/MainWindowLink.h"
#include "settings/SettingsStore.h"

class frmHotKeys : public Dialog {
public:
    enum Control { Label1, HotKey1, Label3, Label2, HotKey2, Label4, Command1, Command2, kControlCount };

    explicit frmHotKeys(MainWindowLink& mainWindow);
    ~frmHotKeys() override { Unload(); }

    HotKeys shown() const;
    void show(const HotKeys& keys);

protected:
    void unloading() override;

private:
    void Command1_Click();
    // Why these keys may not be used, or "" when they may.
    std::string refusal(const HotKeys& keys) const;

    MainWindowLink& mainWindow_;
    const HotKeys previous_;
    bool saved_ = false;
};
