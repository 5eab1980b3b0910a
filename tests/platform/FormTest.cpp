// Forms from twips at any DPI, their focus, the fence after an error, and their end.
#include "Recorders.h"
#include "StateFields.h"
#include "TestWindow.h"
#include "platform/FatalError.h"
#include "platform/Form.h"
#include "platform/Handles.h"
#include "platform/HotKey.h"
#include "platform/KeepAwake.h"
#include "platform/NotificationIcons.h"
#include "platform/WindowTimer.h"
#include "registry/RegistryError.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <array>

namespace {
std::vector<std::string> endings;

// Each handler notes its name and, while `throwing`, raises a registry error; the second button ends at the bottom.
class ButtonForm : public Form {
public:
    static constexpr UINT kMenuCommand = 2001;
    explicit ButtonForm(bool dpiChangeBeforeControls = false) {
        static constexpr std::array<ControlLayout, 3> layout{
            {{"First", ControlKind::PushButton, ControlLayout::kInWindow, "First", {120, 240, 1215, 375}},
             {"Last", ControlKind::PushButton, ControlLayout::kInWindow, "Last", {120, 2415, 1215, 375}},
             {"Text", ControlKind::TextBox, ControlLayout::kInWindow, "", {1500, 240, 1215, 310}}}};
        OwnedMenu menuBar(CreateMenu());
        AppendMenuA(menuBar.get(), MF_STRING, kMenuCommand, "&Menu");
        createWindow({"Form test", WS_OVERLAPPEDWINDOW, 0, 3000, 2790, IDI_CLIKPAD}, std::move(menuBar));
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

}  // namespace

TEST_F(FormTest, TwipsBecomePixelsAtTheWindowsDpiAndAgainAtANewOne) {
    NONCLIENTMETRICSA saved{sizeof saved}, large{};  // today's thicker frames, taller captions and menu bars
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof saved, &saved, 0);
    large = saved;
    large.iCaptionHeight += 16, large.iMenuHeight += 16, large.iBorderWidth += 4, large.iPaddedBorderWidth = 8;
    SystemParametersInfoA(SPI_SETNONCLIENTMETRICS, sizeof large, &large, 0);
    ButtonForm form(true);  // a DPI change before the controls exist is no change
    SystemParametersInfoA(SPI_SETNONCLIENTMETRICS, sizeof saved, &saved, 0);
    for (const auto& [which, metric] : {std::pair{ICON_SMALL, SM_CXSMICON}, std::pair{ICON_BIG, SM_CXICON}})
        EXPECT_EQ(iconWidth(reinterpret_cast<HICON>(SendMessageA(form.hwnd(), WM_GETICON, which, 0))),
                  GetSystemMetrics(metric));
    for (const int dpi : {static_cast<int>(GetDpiForWindow(form.hwnd())), 144}) {
        RECT suggested{100, 80, 600, 340}, window{}, button{}, client{};  // 144: moved to a monitor of that DPI
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
        GetClientRect(form.hwnd(), &client);  // the window sized for its client area, whatever the frame takes
        if (dpi == 144)
            EXPECT_TRUE(EqualRect(&window, &suggested));
        else
            EXPECT_EQ((std::array<LONG, 2>{client.right, client.bottom}), (std::array<LONG, 2>{px(3000), px(2790)}));
    }
}

TEST_F(FormTest, AFormGivesItsFocusBackAndEnterPressesOnlyTheFocusedButton) {
    ButtonForm form;
    ShowWindow(form.hwnd(), SW_SHOW);
    SetForegroundWindow(form.hwnd());
    SetFocus(form.control(1));
    const TestWindow other({600, 600, 699, 699}, 0);  // Alt+Tab to another program, which it activates, and back
    SetForegroundWindow(form.hwnd());
    pumpFor(50);
    EXPECT_EQ(GetFocus(), form.control(1));
    routeKey(VK_RETURN);
    SetFocus(form.control(2));  // in the text box Enter presses no button
    routeKey(VK_RETURN);
    EXPECT_EQ(form.handled, std::vector<std::string>{"Last"});
}

TEST_F(FormTest, AfterAnErrorNothingOfTheProgramRunsOrStaysHeld) {
    ButtonForm form;
    form.throwing = true;
    WindowTimer timer(7, 50);
    timer.attach(form.hwnd()), timer.Enabled(true);
    NOTIFYICONDATAA icon{NOTIFYICONDATAA_V1_SIZE, form.hwnd()};
    ASSERT_TRUE(notificationIconMessage(NIM_ADD, &icon));
    ASSERT_TRUE(HotKey::registerFor(form.hwnd(), 1, VK_F9));
    static EXECUTION_STATE asked;
    asked = 0;
    const ScopedSeam<KeepAwake::Setter> awake(KeepAwake::replaceSetter,
                                              [](EXECUTION_STATE state) { return std::exchange(asked, state); });
    KeepAwake::set(true);
    SendMessageA(form.control(0), BM_CLICK, 0, 0);
    // What the box's own message loop would dispatch behind it: a button, a menu command, a tick.
    SendMessageA(form.control(1), BM_CLICK, 0, 0);
    SendMessageA(form.hwnd(), WM_COMMAND, ButtonForm::kMenuCommand, 0);
    SendMessageA(form.hwnd(), WM_TIMER, 7, 0);
    EXPECT_EQ(form.handled, (std::vector<std::string>{"First"}));
    EXPECT_EQ(endings, std::vector<std::string>{"Run-time error '26001' in clikpad.cRegistry:\n\n1"});
    EXPECT_TRUE(allHold({FACT(!timer.Enabled()), FACT(!Shell_NotifyIconA(NIM_MODIFY, &icon))}));  // the icon gone too
    EXPECT_TRUE(RegisterHotKey(nullptr, 9, MOD_NOREPEAT, VK_F9));                                 // the key given back
    UnregisterHotKey(nullptr, 9);
    EXPECT_EQ(asked, ES_CONTINUOUS);  // and the PC may sleep
    EXPECT_EQ(fatalErrorText(std::make_exception_ptr(RegistryError(5, "", ""))),
              "Run-time error '5':\n\nApplication-defined or object-defined error");
}

TEST_F(FormTest, NothingReachesAFormWhileItIsDestroyedWithoutAnUnload) {
    static std::vector<UINT> seen;  // by the first button's handler, which uses the form
    struct Watched : ButtonForm {
        Watched() {
            onControlMessage(0, [](UINT message, WPARAM, LPARAM) { return seen.push_back(message), false; });
        }
    };
    {
        const Watched form;
        SetFocus(form.control(0));
        seen.clear();
    }
    EXPECT_EQ(seen, std::vector<UINT>{});
}
