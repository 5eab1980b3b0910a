#include "platform/Form.h"

#include "platform/FatalError.h"

#include <commctrl.h>

#include <stdexcept>
#include <utility>

namespace {

constexpr const char* kFormClass = "ClikpadForm";

ATOM registerFormClass(WNDPROC procedure) {
    static const ATOM atom = [procedure] {
        WNDCLASSEXA windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = kFormClass;
        return RegisterClassExA(&windowClass);
    }();
    return atom;
}

// The layouts' twips were measured for an 8-point MS Sans Serif; the wider
// message fonts of today's systems would cut captions short.
OwnedFont createLayoutFont(UINT dpi) {
    LOGFONTA font{};
    font.lfHeight = -MulDiv(8, static_cast<int>(dpi), 72);
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = DEFAULT_QUALITY;
    lstrcpynA(font.lfFaceName, "MS Sans Serif", LF_FACESIZE);
    return OwnedFont(CreateFontIndirectA(&font));  // none: the controls keep the system's font
}

struct ClassAndStyle {
    const char* className;
    DWORD style;
    DWORD exStyle;
};

ClassAndStyle classAndStyleOf(const ControlLayout& spec) {
    const DWORD child = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    const DWORD group = spec.startsGroup ? WS_GROUP : 0;
    switch (spec.kind) {
    case ControlKind::Frame:
        return {"BUTTON", child | BS_GROUPBOX, 0};
    case ControlKind::PushButton:
        return {"BUTTON", child | WS_TABSTOP | BS_PUSHBUTTON, 0};
    case ControlKind::OptionButton:
        return {"BUTTON", child | WS_TABSTOP | group | BS_AUTORADIOBUTTON, 0};
    case ControlKind::CheckBox:
        return {"BUTTON", child | WS_TABSTOP | WS_GROUP | BS_AUTOCHECKBOX, 0};
    case ControlKind::TextBox:
        return {"EDIT", child | WS_TABSTOP | WS_GROUP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::Label:
        return {"STATIC", child | WS_GROUP | SS_LEFT, 0};
    case ControlKind::PictureBox:
        return {"STATIC", child | SS_CENTERIMAGE | SS_REALSIZECONTROL, 0};
    case ControlKind::StatusBar:
        return {STATUSCLASSNAMEA, child | CCS_NOPARENTALIGN | CCS_NORESIZE, 0};
    case ControlKind::HotKey:
        return {HOTKEY_CLASSA, child | WS_TABSTOP | WS_GROUP, WS_EX_CLIENTEDGE};
    case ControlKind::ListBox:
        return {"LISTBOX",
                child | WS_TABSTOP | WS_GROUP | WS_VSCROLL | LBS_NOTIFY | LBS_USETABSTOPS | LBS_NOINTEGRALHEIGHT,
                WS_EX_CLIENTEDGE};
    }
    return {"STATIC", child, 0};
}

}  // namespace

Form::~Form() {
    detach();
    if (window_) DestroyWindow(window_);
}

void Form::detach() {
    if (!window_) return;
    SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
    for (const auto& [control, handler] : controlHandlers_) RemoveWindowSubclass(control, &Form::controlProcedure, 1);
    controlHandlers_.clear();
}

void Form::destroy() {
    if (window_) DestroyWindow(window_);  // WM_NCDESTROY clears window_
    font_.reset();
}

int Form::pixels(int twips) const { return twipsToPixels(twips, dpi_); }

void Form::createWindow(const FormLayout& layout, OwnedMenu menuBar) {
    registerFormClass(&Form::windowProcedure);
    // cppcheck-suppress ignoredReturnValue ; WM_NCCREATE has already put the handle in window_
    CreateWindowExA(layout.exStyle, kFormClass, layout.caption, layout.style, CW_USEDEFAULT, CW_USEDEFAULT, 100, 100,
                    nullptr, menuBar.get(), GetModuleHandleA(nullptr), this);
    if (!window_) throw std::runtime_error(std::string("Cannot create the window ") + layout.caption);
    hasMenu_ = static_cast<bool>(menuBar);
    menuBar.release();  // destroyed with the window from now on
    if (const UINT windowDpi = GetDpiForWindow(window_)) dpi_ = windowDpi;
    layout_ = layout;
    loadIcons();
    const RECT frame = frameAt(dpi_);
    SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    font_ = createLayoutFont(dpi_);
}

RECT Form::frameAt(UINT dpi) const {
    RECT frame{0, 0, twipsToPixels(layout_.clientWidthTwips, dpi), twipsToPixels(layout_.clientHeightTwips, dpi)};
    AdjustWindowRectExForDpi(&frame, layout_.style, hasMenu_, layout_.exStyle, dpi);
    RECT window{};
    GetWindowRect(window_, &window);
    OffsetRect(&frame, window.left - frame.left, window.top - frame.top);
    return frame;
}

void Form::loadIcons() {
    const int iconId = layout_.iconId;
    if (!iconId) return;
    const auto load = [this, iconId](int width, int height) {
        return static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(iconId), IMAGE_ICON,
                                             GetSystemMetricsForDpi(width, dpi_), GetSystemMetricsForDpi(height, dpi_),
                                             LR_SHARED));
    };
    smallIcon_ = load(SM_CXSMICON, SM_CYSMICON);
    SendMessageA(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
    SendMessageA(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(load(SM_CXICON, SM_CYICON)));
}

void Form::createControls(std::span<const ControlLayout> layout) {
    controlLayout_ = layout;
    // Created in table order, which is the keyboard order.
    for (std::size_t i = 0; i < layout.size(); ++i) controls_.push_back(createControl(static_cast<int>(i)));
    // Frames go to the bottom of the z-order so that what they hold paints over them.
    for (std::size_t i = 0; i < layout.size(); ++i) {
        if (layout[i].kind == ControlKind::Frame)
            SetWindowPos(controls_[i], HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    // A DPI change while there were no controls was ignored: the layout follows it once, now.
    if (const UINT windowDpi = GetDpiForWindow(window_); windowDpi && windowDpi != dpi_)
        rescale(windowDpi, frameAt(windowDpi));
}

Form::PixelBounds Form::pixelBounds(int index) const {
    const ControlLayout& spec = controlLayout_[static_cast<std::size_t>(index)];
    int left = spec.bounds.left, top = spec.bounds.top;
    for (int outer = spec.container; outer != ControlLayout::kInWindow;
         outer = controlLayout_[static_cast<std::size_t>(outer)].container) {
        left += controlLayout_[static_cast<std::size_t>(outer)].bounds.left;
        top += controlLayout_[static_cast<std::size_t>(outer)].bounds.top;
    }
    // Edges are rounded, not sizes, so that controls that meet in twips meet in pixels
    // and the last one ends on the client area's edge at every DPI.
    const int right = pixels(left + spec.bounds.width), bottom = pixels(top + spec.bounds.height);
    return {pixels(left), pixels(top), right - pixels(left), bottom - pixels(top)};
}

HWND Form::createControl(int index) {
    const ControlLayout& spec = controlLayout_[static_cast<std::size_t>(index)];
    const auto kind = classAndStyleOf(spec);
    const PixelBounds bounds = pixelBounds(index);
    HWND control = CreateWindowExA(kind.exStyle, kind.className, spec.caption ? spec.caption : "",
                                   kind.style | spec.style, bounds.left, bounds.top, bounds.width, bounds.height,
                                   window_, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(controlId(index))),
                                   GetModuleHandleA(nullptr), nullptr);
    if (!control) throw std::runtime_error(std::string("Cannot create the control ") + spec.name);
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    return control;
}

void Form::rescale(UINT dpi, const RECT& suggested) {
    dpi_ = dpi;
    const OwnedFont previousFont = std::exchange(font_, createLayoutFont(dpi_));  // in use until replaced
    for (int index = 0; index < controlCount(); ++index) {
        const PixelBounds bounds = pixelBounds(index);
        SetWindowPos(control(index), nullptr, bounds.left, bounds.top, bounds.width, bounds.height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageA(control(index), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
    }
    loadIcons();
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    dpiChanged();
}

// As the dialog manager does: the control that had the focus when the form lost
// activation gets it back when the form's window is given the focus again.
void Form::rememberFocus() {
    HWND focus = GetFocus();
    if (focus && IsChild(window_, focus)) lastFocus_ = focus;
}

bool Form::giveFocusBack() {
    if (!lastFocus_ || !IsChild(window_, lastFocus_)) return false;
    // A control disabled meanwhile hands on to the next one that takes the focus.
    HWND target = IsWindowEnabled(lastFocus_) ? lastFocus_ : GetNextDlgTabItem(window_, lastFocus_, FALSE);
    if (!target || !IsWindowEnabled(target)) return false;
    SetFocus(target);
    return true;
}

void Form::pressFocusedButton() {
    HWND focus = GetFocus();
    if (!focus || !IsChild(window_, focus)) return;
    if (SendMessageA(focus, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON))
        SendMessageA(window_, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(focus), BN_CLICKED), reinterpret_cast<LPARAM>(focus));
}

bool Form::handleMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

void Form::onControlMessage(int index, ControlHandler handler) {
    HWND target = control(index);
    controlHandlers_[target] = std::move(handler);
    SetWindowSubclass(target, &Form::controlProcedure, 1, reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CALLBACK Form::controlProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                        DWORD_PTR data) {
    auto* form = reinterpret_cast<Form*>(data);
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(control, &Form::controlProcedure, 1);
        form->controlHandlers_.erase(control);
        return DefSubclassProc(control, message, wParam, lParam);
    }
    if (fatalErrorReported()) return DefSubclassProc(control, message, wParam, lParam);
    try {
        if (const auto found = form->controlHandlers_.find(control); found != form->controlHandlers_.end()) {
            const auto handler = found->second;  // the handler may destroy the form
            if (handler(message, wParam, lParam)) return 0;
        }
    } catch (...) {
        endWithFatalError(std::current_exception());
        return 0;
    }
    return DefSubclassProc(control, message, wParam, lParam);
}

LRESULT CALLBACK Form::windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* form = static_cast<Form*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        form->window_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto* form = reinterpret_cast<Form*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!form) return DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        form->window_ = nullptr;
        form->controls_.clear();
        return DefWindowProcA(window, message, wParam, lParam);
    }
    if (fatalErrorReported()) return DefWindowProcA(window, message, wParam, lParam);
    try {
        return form->dispatch(window, message, wParam, lParam);
    } catch (...) {
        endWithFatalError(std::current_exception());
        return 0;
    }
}

LRESULT Form::dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // A menu item or accelerator (no control), or a button click.
    if (message == WM_COMMAND && (lParam == 0 || HIWORD(wParam) == BN_CLICKED)) {
        if (const auto found = commands_.find(LOWORD(wParam)); found != commands_.end()) {
            const auto handler = found->second;  // the handler may destroy this form
            handler();
            return 0;
        }
        if (LOWORD(wParam) == IDOK && lParam == 0) {
            pressFocusedButton();
            return 0;
        }
    }
    if (message == WM_TIMER) {
        if (const auto found = timers_.find(wParam); found != timers_.end()) {
            const auto handler = found->second;
            handler();
            return 0;
        }
    }
    if (message == WM_DPICHANGED) {
        if (!controls_.empty()) rescale(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    }
    if (message == WM_ACTIVATE && LOWORD(wParam) == WA_INACTIVE) rememberFocus();
    if (message == WM_SETFOCUS && giveFocusBack()) return 0;
    LRESULT result = 0;
    if (handleMessage(message, wParam, lParam, result)) return result;
    return DefWindowProcA(window, message, wParam, lParam);
}
