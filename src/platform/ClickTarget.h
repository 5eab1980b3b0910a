// Whether Windows would let a click synthesised here reach the window under the
// pointer. Input from a process is dropped, silently, on the windows of a process
// of higher integrity (a program running as administrator, an installer, Task
// Manager); a click counted there would be a failure reported as success.
#pragma once

#include "platform/Win32.h"
#include "rules/ClickTargetRule.h"

#include <cstdint>
#include <optional>

namespace ClickTarget {

// The mandatory integrity level (its RID, 0x2000 medium, 0x3000 high) of the process
// that owns the window's top-level window, or of this process. A process that may not
// be opened, or whose token may not be read, is one of another account's, most likely
// elevated: above every level.
inline constexpr std::uint32_t kAboveEveryLevel = 0xFFFFFFFF;
std::optional<std::uint32_t> integrityLevelOf(HWND window);
std::optional<std::uint32_t> ownIntegrityLevel();

// The decision for the window under the pointer, or at a point of the desktop, made
// afresh at each click. Without a pointer position Clikpad is not on the input desktop
// (a locked screen, a UAC prompt, the Ctrl+Alt+Del screen), where Windows drops every
// click: blocked.
bool blockedUnderPointer();
bool blockedAt(POINT point);

// The system queries the decision rests on. Tests put failing ones in place (Wine
// has no lock screen and no integrity isolation) and get the old ones back.
struct Queries {
    BOOL(WINAPI* cursorPos)(LPPOINT point);
    HANDLE(WINAPI* openProcess)(DWORD access, BOOL inherit, DWORD processId);
    BOOL(WINAPI* openToken)(HANDLE process, DWORD access, PHANDLE token);
};
Queries replaceQueries(Queries queries);

}  // namespace ClickTarget
