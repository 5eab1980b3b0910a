// A form built from its twips layout, at the window's DPI and at a new one, and
// the fence that keeps exceptions out of Windows: once an error is reported,
// nothing of the program runs on.
#include "platform/FatalError.h"
#include "platform/Form.h"
#include "platform/NotifyIcon.h"
#include "platform/WindowTimer.h"
#include "registry/RegistryError.h"

#include <gtest/gtest.h>

#include <array>

namespace {

class ButtonForm : public Form {
public:
    explicit ButtonForm(std::function<void()> onClick) {
        static constexpr std::array<ControlLayout, 1> layout{
            {{"Button", ControlKind::PushButton, ControlLayout::kInWindow, "Throw", {120, 240, 1215, 375}}}};
        createWindow({"Form test", WS_OVERLAPPEDWINDOW, 0, 3000, 1500});
        createControls(layout);
        onCommand(controlId(0), std::move(onClick));
    }
    // The button's place and size in the client area and its font's height, in pixels.
    std::array<int, 5> button() const {
        RECT at{};
        GetWindowRect(control(0), &at);
        MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&at), 2);
        LOGFONTA font{};
        GetObjectA(reinterpret_cast<HFONT>(SendMessageA(control(0), WM_GETFONT, 0, 0)), sizeof font, &font);
        return {at.left, at.top, at.right - at.left, at.bottom - at.top, font.lfHeight};
    }
};

std::vector<std::string> endings;

}  // namespace

TEST(Form, TwipsBecomePixelsAtTheWindowsDpiAndAgainAtANewOne) {
    ButtonForm form([] {});
    for (const int dpi : {static_cast<int>(GetDpiForWindow(form.hwnd())), 144}) {
        if (dpi == 144) {  // moved to a monitor of 144 dpi: the suggested rectangle is taken
            RECT suggested{100, 80, 600, 340}, window{};
            SendMessageA(form.hwnd(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
            GetWindowRect(form.hwnd(), &window);
            EXPECT_TRUE(EqualRect(&window, &suggested));
        }
        const auto px = [dpi](int twips) { return MulDiv(twips, dpi, 1440); };
        EXPECT_EQ(form.button(), (std::array<int, 5>{px(120), px(240), px(1215), px(375), -MulDiv(8, dpi, 72)})) << dpi;
    }
}

TEST(Form, AfterAnErrorIsShownNoTimerIconOrHandlerOfTheProgramIsLeft) {
    const auto previous = replaceFatalErrorEnding([](const std::string& text) { endings.push_back(text); });
    EXPECT_EQ(fatalErrorText(std::make_exception_ptr(std::logic_error("broken"))), "Unexpected error:\n\nbroken");
    int handled = 0;
    ButtonForm form([&] { throw RegistryError(26001, "clikpad.cRegistry", std::to_string(++handled)); });
    WindowTimer timer(7, 50);
    timer.attach(form.hwnd());
    timer.Enabled(true);
    NOTIFYICONDATAA icon{};
    icon.cbSize = NOTIFYICONDATAA_V1_SIZE;
    icon.hWnd = form.hwnd();
    ASSERT_TRUE(notifyIcon(NIM_ADD, &icon));
    for (int click = 0; click < 2; ++click)
        SendMessageA(form.control(0), BM_CLICK, 0, 0);  // the second as the box's loop would
    EXPECT_EQ(endings, std::vector<std::string>{"Run-time error '26001' in clikpad.cRegistry:\n\n1"});
    EXPECT_FALSE(timer.Enabled());
    EXPECT_FALSE(Shell_NotifyIconA(NIM_MODIFY, &icon));  // gone from the notification area
    replaceFatalErrorEnding(previous);
    EXPECT_EQ(fatalErrorText(std::make_exception_ptr(RegistryError(5, "", ""))),
              "Run-time error '5':\n\nApplication-defined or object-defined error");
}
