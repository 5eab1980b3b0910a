#include "platform/Balloon.h"

#include <commctrl.h>
#include <gtest/gtest.h>

TEST(Balloon, IsAsWideAsTheDpiOfTheWindowItSpeaksForAllows) {
    Balloon balloon;
    balloon.show({300, 300}, "Title", "Text", 144);
    EXPECT_EQ(SendMessageA(balloon.window(), TTM_GETMAXTIPWIDTH, 0, 0), 480);
}
