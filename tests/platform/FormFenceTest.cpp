// No exception crosses a window procedure: the fence shows it and ends the program.
#include "TestWindow.h"
#include "platform/FatalError.h"
#include "platform/Form.h"
#include "platform/NotifyIcon.h"
#include "platform/WindowTimer.h"
#include "registry/RegistryError.h"

#include <gtest/gtest.h>

#include <array>

namespace {

std::vector<std::string> endings;
void recordEnding(const std::string& text) { endings.push_back(text); }

class ThrowingForm : public Form {
public:
    enum { Button, kCount };
    explicit ThrowingForm(std::function<void()> onClick) {
        static constexpr std::array<ControlSpec, kCount> layout{{
            {"Button", ControlKind::PushButton, ControlSpec::kInWindow, "Throw", {120, 120, 1215, 375}},
        }};
        createWindow({"Fence test", WS_OVERLAPPEDWINDOW, 0, 3000, 1500});
        createControls(layout);
        onCommand(controlId(Button), std::move(onClick));
    }
};

class FenceTest : public ::testing::Test {
protected:
    void SetUp() override {
        endings.clear();
        previous = ReplaceFatalErrorEnding(&recordEnding);
    }
    void TearDown() override { ReplaceFatalErrorEnding(previous); }
    FatalErrorEnding previous = nullptr;
};

}  // namespace

TEST_F(FenceTest, RegistryErrorIsShownWithNumberSourceAndDescription) {
    ThrowingForm form([] { throw RegistryError(26001, "clikpad.cRegistry", "Failed to create registry Key: 'X"); });
    EXPECT_NO_THROW(SendMessageA(form.control(ThrowingForm::Button), BM_CLICK, 0, 0));
    ASSERT_EQ(endings.size(), 1u);
    EXPECT_EQ(endings[0], "Run-time error '26001' in clikpad.cRegistry:\n\nFailed to create registry Key: 'X");
}

TEST_F(FenceTest, ErrorsWithoutDescriptionAndOtherExceptionsAreShownToo) {
    ThrowingForm bare([] { throw RegistryError(26001, "", ""); });
    SendMessageA(bare.control(ThrowingForm::Button), BM_CLICK, 0, 0);
    ReplaceFatalErrorEnding(&recordEnding);  // one report per run: arm the fence again
    ThrowingForm other([] { throw std::logic_error("broken invariant"); });
    SendMessageA(other.control(ThrowingForm::Button), BM_CLICK, 0, 0);
    ASSERT_EQ(endings.size(), 2u);
    EXPECT_EQ(endings[0], "Run-time error '26001':\n\nApplication-defined or object-defined error");
    EXPECT_EQ(endings[1], "Unexpected error:\n\nbroken invariant");
}

TEST_F(FenceTest, LayoutTwipsBecomePixelsAtTheWindowsDpi) {
    ThrowingForm form([] {});
    RECT client{};
    GetClientRect(form.hwnd(), &client);
    const int dpi = static_cast<int>(form.dpi());
    EXPECT_EQ(client.right, MulDiv(3000, dpi, 1440));
    EXPECT_EQ(client.bottom, MulDiv(1500, dpi, 1440));
    RECT button{};
    GetWindowRect(form.control(ThrowingForm::Button), &button);
    MapWindowPoints(nullptr, form.hwnd(), reinterpret_cast<POINT*>(&button), 2);
    EXPECT_EQ(button.left, MulDiv(120, dpi, 1440));
    EXPECT_EQ(button.right - button.left, MulDiv(1215, dpi, 1440));
    EXPECT_EQ(button.bottom - button.top, MulDiv(375, dpi, 1440));
}

TEST_F(FenceTest, AfterAnErrorNoTimerIconOrHandlerOfTheProgramIsLeft) {
    int handled = 0;
    ThrowingForm form([&] {
        ++handled;
        throw std::runtime_error("broken");
    });
    WindowTimer timer(7, 50);
    timer.attach(form.hwnd());
    timer.Enabled(true);
    NOTIFYICONDATAA icon{};
    icon.cbSize = NOTIFYICONDATAA_V1_SIZE;
    icon.hWnd = form.hwnd();
    icon.uID = 1;
    ASSERT_TRUE(NotifyIcon(NIM_ADD, &icon));
    SendMessageA(form.control(ThrowingForm::Button), BM_CLICK, 0, 0);
    EXPECT_FALSE(timer.Enabled());
    EXPECT_FALSE(Shell_NotifyIconA(NIM_MODIFY, &icon));  // gone from the notification area
    SendMessageA(form.control(ThrowingForm::Button), BM_CLICK, 0, 0);  // as a message box's own loop would
    EXPECT_EQ(handled, 1);
    EXPECT_EQ(endings.size(), 1u);
    Shell_NotifyIconA(NIM_DELETE, &icon);
}

TEST_F(FenceTest, ANewDpiRescalesFontAndControlsAndTakesTheSuggestedRectangle) {
    ThrowingForm form([] {});
    RECT suggested{100, 80, 100 + 500, 80 + 260};
    SendMessageA(form.hwnd(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    RECT window{};
    GetWindowRect(form.hwnd(), &window);
    EXPECT_TRUE(EqualRect(&window, &suggested));
    RECT button{};
    GetWindowRect(form.control(ThrowingForm::Button), &button);
    MapWindowPoints(nullptr, form.hwnd(), reinterpret_cast<POINT*>(&button), 2);
    EXPECT_EQ(button.left, MulDiv(120, 144, 1440));
    EXPECT_EQ(button.right - button.left, MulDiv(1215, 144, 1440));
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(form.control(ThrowingForm::Button), WM_GETFONT, 0, 0)),
               sizeof font, &font);
    EXPECT_EQ(font.lfHeight, -MulDiv(8, 144, 72));
}
