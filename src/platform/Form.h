// A top-level window whose controls come from a layout table in twips. The C++
// object rides on its window; messages reach the form's handlers through one
// window procedure that lets no exception escape.
//
// Life cycle: a form's clean-up (WM_DESTROY and what its controls see as they go) runs
// from its unload step, which destroys the window while the whole object is there:
// destroy() called by the form itself, or by its own destructor. ~Form destroys a
// window still left only after detaching the object from it and its controls, so that
// no message reaches a form that is half destroyed: a form that must clean up when it
// is destroyed calls destroy() (or its unload) in its own destructor.
#pragma once

#include "platform/Controls.h"
#include "platform/Handles.h"
#include "platform/Win32.h"

#include <functional>
#include <map>
#include <span>
#include <string>
#include <vector>

struct FormLayout {
    const char* caption;
    DWORD style;
    DWORD exStyle;
    int clientWidthTwips;
    int clientHeightTwips;
    int iconId = 0;  // icon resource of the title bar and task switcher, 0 for none
};

class Form {
public:
    Form() = default;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    virtual ~Form();

    HWND hwnd() const { return window_; }
    bool exists() const { return window_ != nullptr; }
    UINT dpi() const { return dpi_; }
    int pixels(int twips) const;
    // The form's icon at the sizes of its DPI (shared images, never destroyed).
    HICON smallIcon() const { return smallIcon_; }

    // The control made from row `index` of the layout table.
    HWND control(int index) const { return controls_.at(static_cast<std::size_t>(index)); }
    int controlCount() const { return static_cast<int>(controls_.size()); }

    // Destroys the window; the form object stays, without a window.
    void destroy();

protected:
    // The window is sized from the client area its layout needs, with the frame,
    // caption and menu bar of the system it runs on. The window takes the menu bar.
    void createWindow(const FormLayout& layout, OwnedMenu menuBar = {});
    void createControls(std::span<const ControlLayout> layout);

    void onCommand(UINT id, std::function<void()> handler) { commands_[id] = std::move(handler); }
    // Messages of one control, before the control's own procedure sees them; the
    // handler returns true when it has handled the message.
    using ControlHandler = std::function<bool(UINT message, WPARAM wParam, LPARAM lParam)>;
    void onControlMessage(int index, ControlHandler handler);
    void onTimer(UINT_PTR id, std::function<void()> handler) { timers_[id] = std::move(handler); }
    static UINT controlId(int index) { return 1000u + static_cast<UINT>(index); }

    // Messages not routed to a command or timer handler. Return true when handled.
    virtual bool handleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // After the window moved to a monitor of another DPI and the layout followed.
    virtual void dpiChanged() {}
    // Enter, which the dialog manager turns into IDOK for want of a default button,
    // presses the push button that has the focus, and nothing else.
    void pressFocusedButton();

private:
    void detach();
    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK controlProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                             DWORD_PTR data);
    LRESULT dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    struct PixelBounds {
        int left, top, width, height;  // relative to the window's client area
    };
    HWND createControl(int index);
    PixelBounds pixelBounds(int index) const;
    // The window's rectangle where it stands, sized for its client area at that DPI.
    RECT frameAt(UINT dpi) const;
    void loadIcons();
    void rescale(UINT dpi, const RECT& suggested);
    void rememberFocus();
    bool giveFocusBack();

    HWND window_ = nullptr;
    UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
    FormLayout layout_{};
    bool hasMenu_ = false;
    HICON smallIcon_ = nullptr;
    OwnedFont font_;
    std::span<const ControlLayout> controlLayout_;
    std::vector<HWND> controls_;
    HWND lastFocus_ = nullptr;
    std::map<UINT, std::function<void()>> commands_;
    std::map<UINT_PTR, std::function<void()>> timers_;
    std::map<HWND, ControlHandler> controlHandlers_;
};
