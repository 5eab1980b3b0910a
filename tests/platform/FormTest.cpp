// Forms from twips layouts at any DPI; the fence: after an error nothing runs; whether a click can land.
#include "TestWindow.h"
#include "platform/ClickTarget.h"
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
};
std::vector<std::string> endings;
}  // namespace

TEST(Form, TwipsBecomePixelsAtTheWindowsDpiAndAgainAtANewOne) {
    ButtonForm form([] {});
    for (const int dpi : {static_cast<int>(GetDpiForWindow(form.hwnd())), 144}) {
        RECT suggested{100, 80, 600, 340}, window{}, button{};  // 144: moved to a monitor of that many dots per inch
        if (dpi == 144)
            SendMessageA(form.hwnd(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
        GetWindowRect(form.hwnd(), &window);
        GetWindowRect(form.control(0), &button);
        MapWindowPoints(nullptr, form.hwnd(), reinterpret_cast<POINT*>(&button), 2);
        LOGFONTA font{};
        GetObjectA(reinterpret_cast<HFONT>(SendMessageA(form.control(0), WM_GETFONT, 0, 0)), sizeof font, &font);
        const auto px = [dpi](int twips) { return MulDiv(twips, dpi, 1440); };
        EXPECT_EQ((std::array<LONG, 5>{button.left, button.top, button.right, button.bottom, font.lfHeight}),
                  (std::array<LONG, 5>{px(120), px(240), px(120) + px(1215), px(240) + px(375), -MulDiv(8, dpi, 72)}))
            << dpi;
        EXPECT_TRUE(dpi != 144 || EqualRect(&window, &suggested));  // the suggested rectangle is taken
    }
}

TEST(Form, AfterAnErrorIsShownNoTimerIconOrHandlerOfTheProgramIsLeft) {
    const auto previous = replaceFatalErrorEnding([](const std::string& text) { endings.push_back(text); });
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
    EXPECT_FALSE(timer.Enabled() || Shell_NotifyIconA(NIM_MODIFY, &icon));  // the icon gone from the notification area
    replaceFatalErrorEnding(previous);
    EXPECT_EQ(fatalErrorText(std::make_exception_ptr(RegistryError(5, "", ""))),
              "Run-time error '5':\n\nApplication-defined or object-defined error");
    EXPECT_EQ(fatalErrorText(std::make_exception_ptr(std::logic_error("broken"))), "Unexpected error:\n\nbroken");
}

TEST(ClickTarget, OnlyAKnownHigherLevelBlocksAndThisProgramsOwnWindowIsNotHigher) {
    EXPECT_TRUE(ClickTarget::blocks(0x3000, 0x2000));
    using Level = std::optional<std::uint32_t>;
    for (const auto& [target, own] :
         {std::pair<Level, Level>{0x2000, 0x2000}, {0x1000, 0x2000}, {std::nullopt, 0x2000}, {0x3000, std::nullopt}})
        EXPECT_FALSE(ClickTarget::blocks(target, own));
    TestWindow window({100, 100, 300, 200}, RGB(255, 255, 255));
    SetCursorPos(window.centre().x, window.centre().y);
    ASSERT_TRUE(ClickTarget::ownIntegrityLevel().has_value());
    EXPECT_EQ(ClickTarget::integrityLevelOf(window.handle()), ClickTarget::ownIntegrityLevel());
    EXPECT_FALSE(ClickTarget::blockedUnderPointer());
}
