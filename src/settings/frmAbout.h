// The About box: name, version and the legal notice, closed by "&Ok".
#pragma once

#include "platform/Form.h"
#include "settings/MainWindowLink.h"

class frmAbout : public Form {
public:
    enum Control { Command1, Label6, Label1, kControlCount };

    static constexpr const char* kLegalNotice =
        "Copyright (C) Talvick Software. All rights reserved. This program is provided as is, without "
        "warranty of any kind, either expressed or implied. ";

    // Creates the box hidden and runs its load step.
    explicit frmAbout(MainWindowLink& mainWindow);
    // Unloaded while this class is still whole, so that its unload step runs.
    ~frmAbout() override { Unload(); }

    // Shows the box as it stands, centred on the screen the first time.
    void Show();
    // The unload step, then the window goes.
    void Unload();

protected:
    bool handleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void Form_Load();

    MainWindowLink& mainWindow_;
    bool shownBefore_ = false;
};
