// Menu items addressed by command id: check marks, enabled state, captions.
#pragma once

#include "platform/Win32.h"

#include <string>

namespace Menu {
void SetChecked(HMENU menu, UINT id, bool checked);
bool IsChecked(HMENU menu, UINT id);
void SetEnabled(HMENU menu, UINT id, bool enabled);
bool IsEnabled(HMENU menu, UINT id);
void SetCaption(HMENU menu, UINT id, const std::string& caption);
std::string Caption(HMENU menu, UINT id);
}  // namespace Menu
