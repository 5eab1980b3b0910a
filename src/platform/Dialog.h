// A modeless dialog window: made hidden, shown as it stands, centred on the screen
// at its first showing, the focus on one of its controls. Its unload step runs before
// the window goes, by any road (a button that calls Unload, the close box, Alt+F4, the
// main window unloading it, destruction): a dialog that held the main window gives it
// back, enabled once no other dialog holds it, and hands activation on to the main
// window (or the dialog that still holds it), so that no other program's window comes forward.
#pragma once

#include "platform/Form.h"

class Dialog : public Form {
public:
    // Shown from the main window's menu bar a dialog holds the main window, disabled,
    // until it closes; from the icon's menu it leaves the main window as it is. Holds
    // are counted: with two dialogs holding it, the main window waits for both.
    enum class Holds { Nothing, MainWindow };
    void Show(Holds holds = Holds::Nothing);
    void Unload();

protected:
    // The main window may go first: it is held by its handle, which outlives nothing.
    Dialog(HWND mainWindow, int focusControl) : mainWindow_(mainWindow), focusControl_(focusControl) {}
    // Without the unloading() hook, which is no longer the derived dialog's here.
    ~Dialog() override { release(); }

    // Just before each showing; a hidden window that is shown gets no size event.
    virtual void beforeShowing() {}
    // At the start of the unload step, while the window still exists. A dialog that
    // overrides it must unload itself in its own destructor, where the override still runs.
    virtual void unloading() {}
    bool handleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void release();  // the unload step after the hook

    HWND mainWindow_;
    int focusControl_;
    bool shownBefore_ = false;
    bool holding_ = false;
};
