// Whether Windows would let a click synthesised here reach the window under the
// pointer. Input from a process is dropped, silently, on the windows of a process
// of higher integrity (a program running as administrator, an installer, Task
// Manager); a click counted there would be a failure reported as success.
#pragma once

#include "platform/Win32.h"

#include <cstdint>
#include <optional>

namespace ClickTarget {

// Blocked only when both levels are known and the target's is higher: a level that
// cannot be read never holds a click back on a guess.
bool blocks(std::optional<std::uint32_t> targetLevel, std::optional<std::uint32_t> ownLevel);

// The mandatory integrity level (its RID, 0x2000 medium, 0x3000 high) of the process
// that owns the window's top-level window, or of this process.
std::optional<std::uint32_t> integrityLevelOf(HWND window);
std::optional<std::uint32_t> ownIntegrityLevel();

// The decision for the window under the pointer, made afresh at each click.
bool blockedUnderPointer();

// Tests put their own judge in place (Wine has no integrity isolation) and get the old one back.
using Judge = bool (*)();
Judge replaceJudge(Judge judge);

}  // namespace ClickTarget
