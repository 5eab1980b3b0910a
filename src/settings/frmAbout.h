// The About box: name, version and the legal notice, closed by "&Ok".
#pragma once

#include "platform/Dialog.h"
#include "settings/MainWindowLink.h"

class frmAbout : public Dialog {
public:
    enum Control { Command1, Label6, Label1, kControlCount };

    // Creates the box hidden and runs its load step.
    explicit frmAbout(const MainWindowLink& mainWindow);

private:
    void Form_Load(const MainWindowLink& mainWindow);
};
