// A modeless dialog window: made hidden, shown as it stands, centred on the screen
// at its first showing, the focus on one of its controls. Its unload step enables
// the main window before the window goes, by any road (a button that calls Unload,
// the close box, Alt+F4, the main window unloading it, destruction), and hands
// activation back to the main window, so that no other program's window comes forward.
#pragma once

#include "platform/Form.h"

class Dialog : public Form {
public:
    // Shown from the main window's menu bar a dialog holds the main window, disabled,
    // until it closes; from the icon's menu it leaves the main window as it is.
    enum class Holds { Nothing, MainWindow };
    void Show(Holds holds = Holds::Nothing);
    void Unload();

protected:
    // The main window may go first: it is held by its handle, which outlives nothing.
    Dialog(HWND mainWindow, int focusControl) : mainWindow_(mainWindow), focusControl_(focusControl) {}
    ~Dialog() override { Unload(); }

    // Just before each showing; a hidden window that is shown gets no size event.
    virtual void beforeShowing() {}
    bool handleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    HWND mainWindow_;
    int focusControl_;
    bool shownBefore_ = false;
};
