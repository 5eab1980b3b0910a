// What the main window needs of the one who owns the program's other windows.
#pragma once

#include "platform/Dialog.h"

class frmSettings;

class FormsHost {
public:
    // The Settings dialog, made hidden (its load step reading the store) when absent.
    virtual frmSettings& liveSettings() = 0;
    // Shows the About box, made when absent; an open box is shown as it is.
    virtual void showAbout(Dialog::Holds holds) = 0;
    // Shows the Hot Keys dialog, or the Click List, made afresh from the store when absent.
    virtual void showHotKeys(Dialog::Holds holds) = 0;
    virtual void showClickList(Dialog::Holds holds) = 0;
    virtual void unloadDialogs() = 0;

protected:
    ~FormsHost() = default;
};
