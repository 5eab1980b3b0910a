// Forms from twips layouts at any DPI, their keyboard focus; the fence: after an error
// nothing runs; status panels that fit their texts; whether a click can land.
#include "Recorders.h"
#include "TestWindow.h"
#include "platform/ClickTarget.h"
#include "platform/FatalError.h"
#include "platform/Form.h"
#include "platform/Handles.h"
#include "platform/NotifyIcon.h"
#include "platform/StatusBar.h"
#include "platform/WindowTimer.h"
#include "registry/RegistryError.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <array>

namespace {
std::vector<std::string> endings;

// Two buttons, the second ending on the client area's bottom edge, a text box, a menu
// command and a timer; every handler notes its name and, while `throwing`, raises a registry error.
class ButtonForm : public Form {
public:
    static constexpr UINT kMenuCommand = 2001;
    explicit ButtonForm(bool dpiChangeBeforeControls = false) {
        using K = ControlKind;
        constexpr int W = ControlLayout::kInWindow;
        static constexpr std::array<ControlLayout, 3> layout{
            {{"First", K::PushButton, W, "First", {120, 240, 1215, 375}},
             {"Last", K::PushButton, W, "Last", {120, 2415, 1215, 375}},
             {"Text", K::TextBox, W, "", {1500, 240, 1215, 310}}}};
        createWindow({"Form test", WS_OVERLAPPEDWINDOW, 0, 3000, 2790});
        RECT suggested{100, 80, 600, 340};
        if (dpiChangeBeforeControls)
            SendMessageA(hwnd(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
        createControls(layout);
        const std::pair<UINT, const char*> commands[] = {
            {controlId(0), "First"}, {controlId(1), "Last"}, {kMenuCommand, "menu"}};
        for (const auto& [id, name] : commands) onCommand(id, [this, name = name] { handle(name); });
        onTimer(7, [this] { handle("tick"); });
    }
    std::vector<std::string> handled;
    bool throwing = false;

protected:
    void dpiChanged() override { control(1); }

private:
    void handle(const char* name) {
        handled.emplace_back(name);
        if (throwing) throw RegistryError(26001, "clikpad.cRegistry", std::to_string(handled.size()));
    }
};

class FormTest : public ::testing::Test {
protected:
    void SetUp() override { endings.clear(); }
    ScopedSeam<FatalErrorEnding> ending{replaceFatalErrorEnding,
                                        [](const std::string& text) { endings.push_back(text); }};
};

bool routed(HWND form, WPARAM key) {
    MSG message{GetFocus(), WM_KEYDOWN, key, 1, 0, {}};
    return IsDialogMessageA(form, &message) != FALSE;
}
}  // namespace

TEST_F(FormTest, TwipsBecomePixelsAtTheWindowsDpiAndAgainAtANewOne) {
    ButtonForm form(true);  // a DPI change before the controls exist is no change
    for (const int dpi : {static_cast<int>(GetDpiForWindow(form.hwnd())), 144}) {
        RECT suggested{100, 80, 600, 340}, window{}, button{};  // 144: moved to a monitor of that many dots per inch
        if (dpi == 144)
            SendMessageA(form.hwnd(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
        GetWindowRect(form.hwnd(), &window);
        GetWindowRect(form.control(1), &button);
        MapWindowPoints(nullptr, form.hwnd(), reinterpret_cast<POINT*>(&button), 2);
        LOGFONTA font{};
        GetObjectA(reinterpret_cast<HFONT>(SendMessageA(form.control(1), WM_GETFONT, 0, 0)), sizeof font, &font);
        const auto px = [dpi](int twips) { return MulDiv(twips, dpi, 1440); };
        // Edges rounded, not sizes: at 144 dpi the bottom is 279 pixels down, where the client area ends.
        EXPECT_EQ((std::array<LONG, 5>{button.left, button.top, button.right, button.bottom, font.lfHeight}),
                  (std::array<LONG, 5>{px(120), px(2415), px(1335), px(2790), -MulDiv(8, dpi, 72)}))
            << dpi;
        EXPECT_TRUE(dpi != 144 || EqualRect(&window, &suggested));  // the suggested rectangle is taken
    }
    EXPECT_TRUE(endings.empty());
}

TEST_F(FormTest, AFormGivesItsFocusBackWhenActivatedAgainAndEnterPressesTheFocusedButton) {
    ButtonForm form;
    ShowWindow(form.hwnd(), SW_SHOW);
    SetForegroundWindow(form.hwnd());
    SetFocus(form.control(1));
    const TestWindow other({600, 600, 699, 699}, 0);  // Alt+Tab to another program and back
    for (HWND active : {other.handle(), form.hwnd()}) {
        SetForegroundWindow(active);
        pumpFor(50);
    }
    EXPECT_EQ(GetFocus(), form.control(1));
    EXPECT_TRUE(routed(form.hwnd(), VK_RETURN));
    SetFocus(form.control(2));  // in the text box Enter presses no button
    EXPECT_TRUE(routed(form.hwnd(), VK_RETURN));
    EXPECT_EQ(form.handled, std::vector<std::string>{"Last"});
}

TEST_F(FormTest, AfterAnErrorIsShownNoTimerIconOrHandlerOfTheProgramIsLeft) {
    ButtonForm form;
    form.throwing = true;
    WindowTimer timer(7, 50);
    timer.attach(form.hwnd());
    timer.Enabled(true);
    NOTIFYICONDATAA icon{};
    icon.cbSize = NOTIFYICONDATAA_V1_SIZE;
    icon.hWnd = form.hwnd();
    ASSERT_TRUE(notifyIcon(NIM_ADD, &icon));
    SendMessageA(form.control(0), BM_CLICK, 0, 0);
    // What the box's own message loop would dispatch behind it: a button, a menu command, a tick.
    SendMessageA(form.control(1), BM_CLICK, 0, 0);
    SendMessageA(form.hwnd(), WM_COMMAND, ButtonForm::kMenuCommand, 0);
    SendMessageA(form.hwnd(), WM_TIMER, 7, 0);
    EXPECT_EQ(form.handled, std::vector<std::string>{"First"});
    EXPECT_EQ(endings, std::vector<std::string>{"Run-time error '26001' in clikpad.cRegistry:\n\n1"});
    EXPECT_FALSE(timer.Enabled() || Shell_NotifyIconA(NIM_MODIFY, &icon));  // the icon gone from the notification area
    EXPECT_EQ(fatalErrorText(std::make_exception_ptr(RegistryError(5, "", ""))),
              "Run-time error '5':\n\nApplication-defined or object-defined error");
    EXPECT_EQ(fatalErrorText(std::make_exception_ptr(std::logic_error("broken"))), "Unexpected error:\n\nbroken");
}

TEST(StatusBar, BarsSplitAlikeAndTheSecondPanelFitsItsTextsFirstInAWideFont) {
    const TestWindow window({100, 100, 285, 200}, RGB(255, 255, 255));
    const auto makeBar = [&] {
        return CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | CCS_NOPARENTALIGN | CCS_NORESIZE, 0, 0,
                               185, 25, window.handle(), nullptr, GetModuleHandleA(nullptr), nullptr);
    };
    HWND bars[] = {makeBar(), makeBar()};
    for (const int height : {11, 24}) {  // MS Sans Serif at 8 points, then a font far wider
        const OwnedFont font(CreateFontA(-height, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma"));
        for (HWND bar : bars) SendMessageA(bar, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
        StatusBar::fitPanels({bars[0], bars[1]}, {"Status: Stopped", "Timer: 32766"}, {"Ad Detector: Off"});
        const WindowDC dc(bars[0]);
        const SelectedObject selected(dc.get(), font.get());
        const auto widthOf = [&](const char* text) {
            SIZE extent{};
            GetTextExtentPoint32A(dc.get(), text, lstrlenA(text), &extent);
            return extent.cx;
        };
        RECT first[2]{}, second{};
        for (int bar = 0; bar < 2; ++bar) SendMessageA(bars[bar], SB_GETRECT, 0, reinterpret_cast<LPARAM>(&first[bar]));
        SendMessageA(bars[1], SB_GETRECT, 1, reinterpret_cast<LPARAM>(&second));
        EXPECT_EQ(first[0].right, first[1].right) << height;
        EXPECT_GE(second.right - second.left, widthOf("Ad Detector: Off") + 4) << height;
        EXPECT_TRUE(height > 11 || first[0].right - first[0].left >= widthOf("Status: Stopped") + 4);
    }
}

TEST(ClickTarget, OnlyAKnownHigherLevelBlocksUnlessThePointerOrAnOpenedProcessIsOutOfReach) {
    EXPECT_TRUE(ClickTarget::blocks(0x3000, 0x2000));
    using Level = std::optional<std::uint32_t>;
    for (const auto& [target, own] :
         {std::pair<Level, Level>{0x2000, 0x2000}, {0x1000, 0x2000}, {std::nullopt, 0x2000}, {0x3000, std::nullopt}})
        EXPECT_FALSE(ClickTarget::blocks(target, own));
    TestWindow window({100, 100, 300, 200}, RGB(255, 255, 255));
    SetCursorPos(window.centre().x, window.centre().y);
    ASSERT_TRUE(ClickTarget::ownIntegrityLevel().has_value());
    EXPECT_EQ(ClickTarget::integrityLevelOf(window.handle()), ClickTarget::ownIntegrityLevel());
    static DWORD tokenError = 0;  // the target's token cannot be opened, for this reason
    const ClickTarget::Queries real{&GetCursorPos, &OpenProcessToken};
    const ClickTarget::Queries faked[] = {
        real,
        {[](LPPOINT) -> BOOL { return FALSE; }, real.openToken},  // not on the input desktop: a locked screen
        {real.cursorPos, [](HANDLE process, DWORD access, PHANDLE token) -> BOOL {
             if (process == GetCurrentProcess()) return OpenProcessToken(process, access, token);
             SetLastError(tokenError);
             return FALSE;
         }}};
    const std::tuple<int, DWORD, bool> rows[] = {
        {0, 0, false}, {1, 0, true}, {2, ERROR_ACCESS_DENIED, true}, {2, ERROR_INVALID_HANDLE, false}};
    for (const auto& [queries, error, blocked] : rows) {
        tokenError = error;
        const ScopedSeam<ClickTarget::Queries> seam(ClickTarget::replaceQueries, faked[queries]);
        EXPECT_EQ(ClickTarget::blockedUnderPointer(), blocked) << queries << " " << error;
    }
}
