// Whether a click can land: the real levels, and the queries Wine cannot fail for real.
#include "Recorders.h"
#include "TestWindow.h"
#include "platform/ClickTarget.h"

#include <gtest/gtest.h>

TEST(ClickTarget, OnlyNoPointerOrADeniedProcessOrTokenBlocksAClick) {
    TestWindow window({100, 100, 300, 200}, RGB(255, 255, 255));
    SetCursorPos(window.centre().x, window.centre().y);
    EXPECT_EQ(ClickTarget::integrityLevelOf(window.handle()), ClickTarget::ownIntegrityLevel());
    static DWORD queryError;  // why the target, a process of this test, or its token cannot be opened
    const auto noPointer = [](LPPOINT) -> BOOL { return FALSE; };  // not on the input desktop: a locked screen
    const auto noProcess = [](DWORD, BOOL, DWORD) -> HANDLE { return SetLastError(queryError), nullptr; };
    const auto noToken = [](HANDLE process, DWORD access, PHANDLE token) -> BOOL {
        return process == GetCurrentProcess() ? OpenProcessToken(process, access, token)
                                              : (SetLastError(queryError), FALSE);
    };
    const std::tuple<ClickTarget::Queries, DWORD, bool> rows[] = {
        {{noPointer, &OpenProcess, &OpenProcessToken}, 0, true},
        {{&GetCursorPos, noProcess, &OpenProcessToken}, ERROR_ACCESS_DENIED, true},  // another account's
        {{&GetCursorPos, noProcess, &OpenProcessToken}, ERROR_INVALID_PARAMETER, false},
        {{&GetCursorPos, &OpenProcess, noToken}, ERROR_ACCESS_DENIED, true},
        {{&GetCursorPos, &OpenProcess, noToken}, ERROR_INVALID_HANDLE, false}};
    for (const auto& [queries, error, blocked] : rows) {
        queryError = error;
        const ScopedSeam<ClickTarget::Queries> seam(ClickTarget::replaceQueries, queries);
        EXPECT_EQ(ClickTarget::blockedUnderPointer(), blocked) << error << " " << blocked;
    }
}
