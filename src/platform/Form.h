// A top-level window whose controls come from a layout table in twips. The C++
// object rides on its window; messages reach the form's handlers through one
// window procedure that lets no exception escape.
#pragma once

#include "platform/Controls.h"
#include "platform/Win32.h"

#include <functional>
#include <map>
#include <span>
#include <string>
#include <vector>

struct FormSpec {
    const char* caption;
    DWORD style;
    DWORD exStyle;
    int clientWidthTwips;
    int clientHeightTwips;
    HMENU menuBar = nullptr;  // owned by the window once created
    HICON icon = nullptr;      // shared icon, not destroyed by the form
};

// Moves a top-level window to the middle of the primary screen.
void CentreOnScreen(HWND window);

class Form {
public:
    Form() = default;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    virtual ~Form();

    HWND hwnd() const { return window_; }
    bool exists() const { return window_ != nullptr; }
    UINT dpi() const;
    int pixels(int twips) const;

    // The control made from row `index` of the layout table.
    HWND control(int index) const { return controls_.at(static_cast<std::size_t>(index)); }

    // Destroys the window; the form object stays, without a window.
    void destroy();

protected:
    void createWindow(const FormSpec& spec);
    void createControls(std::span<const ControlSpec> layout);
    void setOuterSizeTwips(int widthTwips, int heightTwips);

    void onCommand(UINT id, std::function<void()> handler) { commands_[id] = std::move(handler); }
    // Messages of one control, before the control's own procedure sees them; the
    // handler returns true when it has handled the message.
    using ControlHandler = std::function<bool(UINT message, WPARAM wParam, LPARAM lParam)>;
    void onControlMessage(int index, ControlHandler handler);
    void onTimer(UINT_PTR id, std::function<void()> handler) { timers_[id] = std::move(handler); }
    static UINT controlId(int index) { return 1000u + static_cast<UINT>(index); }

    // Messages not routed to a command or timer handler. Return true when handled.
    virtual bool handleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

private:
    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK controlProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                             UINT_PTR id, DWORD_PTR data);
    LRESULT dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND createControl(const ControlSpec& spec, int index, std::span<const ControlSpec> layout);

    HWND window_ = nullptr;
    HFONT font_ = nullptr;
    std::vector<HWND> controls_;
    std::map<UINT, std::function<void()>> commands_;
    std::map<UINT_PTR, std::function<void()>> timers_;
    std::map<HWND, ControlHandler> controlHandlers_;
};
