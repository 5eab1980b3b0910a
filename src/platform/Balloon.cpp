#include "platform/Balloon.h"

#include <commctrl.h>

namespace {
TOOLINFOA toolOf(HWND tooltip, char* text) {
    TOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
    tool.hwnd = tooltip;
    tool.lpszText = text;
    return tool;
}
}  // namespace

void Balloon::show(POINT tipAt, const std::string& title, const std::string& text, UINT dpi) {
    // A window of no owner: Wine will not keep a window topmost that owns a popup that is not.
    if (!tooltip_) {
        tooltip_.reset(CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                                       WS_POPUP | TTS_BALLOON | TTS_NOPREFIX | TTS_ALWAYSTIP | TTS_CLOSE, CW_USEDEFAULT,
                                       CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                                       GetModuleHandleA(nullptr), nullptr));
    }
    if (!tooltip_) return;
    hide();
    title_ = title;
    text_ = text;
    TOOLINFOA tool = toolOf(tooltip_.get(), text_.data());
    SendMessageA(tooltip_.get(), TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageA(tooltip_.get(), TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageA(tooltip_.get(), TTM_SETTITLEA, TTI_WARNING, reinterpret_cast<LPARAM>(title_.c_str()));
    SendMessageA(tooltip_.get(), TTM_SETMAXTIPWIDTH, 0, MulDiv(320, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI));
    tipAt_ = tipAt;
    SendMessageA(tooltip_.get(), TTM_TRACKPOSITION, 0, MAKELPARAM(tipAt.x, tipAt.y));
    SendMessageA(tooltip_.get(), TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
}

void Balloon::moveTo(POINT tipAt) {
    if (!shown()) return;
    tipAt_ = tipAt;
    SendMessageA(tooltip_.get(), TTM_TRACKPOSITION, 0, MAKELPARAM(tipAt.x, tipAt.y));
}

void Balloon::hide() {
    if (!tooltip_) return;
    TOOLINFOA tool = toolOf(tooltip_.get(), nullptr);
    SendMessageA(tooltip_.get(), TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
}

bool Balloon::shown() const { return tooltip_ && IsWindowVisible(tooltip_.get()); }

std::optional<POINT> Balloon::pointsAt() const { return shown() ? std::optional(tipAt_) : std::nullopt; }
