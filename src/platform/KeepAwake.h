// Asks Windows to keep the system and the display awake, or lets them sleep again.
// A locked or sleeping screen drops every click, so a run left alone must not be
// ended by the power plan.
#pragma once

#include "platform/Win32.h"

namespace KeepAwake {

void set(bool awake);

// Tests put their own in place of SetThreadExecutionState and get the old one back.
using Setter = EXECUTION_STATE(WINAPI*)(EXECUTION_STATE state);
Setter replaceSetter(Setter setter);

}  // namespace KeepAwake
