// Menu items addressed by command id: check marks, enabled state, captions.
#pragma once

#include "platform/Win32.h"

#include <string>

namespace Menu {
void setChecked(HMENU menu, UINT id, bool checked);
bool isChecked(HMENU menu, UINT id);
void setEnabled(HMENU menu, UINT id, bool enabled);
bool isEnabled(HMENU menu, UINT id);
void setCaption(HMENU menu, UINT id, const std::string& caption);
std::string caption(HMENU menu, UINT id);
}  // namespace Menu
