#include "platform/NotificationIcons.h"

#include "platform/SystemFunction.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {

using IconKey = std::pair<HWND, UINT>;

std::vector<IconKey>& shownIcons() {
    static std::vector<IconKey> icons;
    return icons;
}

bool callShell(DWORD message, NOTIFYICONDATAA* data) {
    using ShellNotifyIconA = BOOL(WINAPI*)(DWORD, NOTIFYICONDATAA*);
    static const auto notify = systemFunction<ShellNotifyIconA>("shell32.dll", "Shell_NotifyIconA");
    return notify && notify(message, data) != FALSE;
}

}  // namespace

bool notificationIconMessage(DWORD message, NOTIFYICONDATAA* data) {
    const bool done = callShell(message, data);
    const IconKey key{data->hWnd, data->uID};
    auto& icons = shownIcons();
    if (message == NIM_DELETE) std::erase(icons, key);
    if (done && (message == NIM_ADD || message == NIM_MODIFY) &&
        std::find(icons.begin(), icons.end(), key) == icons.end())
        icons.push_back(key);
    return done;
}

void removeAllNotificationIcons() {
    for (const auto& [window, id] : std::exchange(shownIcons(), {})) {
        NOTIFYICONDATAA data{};
        data.cbSize = NOTIFYICONDATAA_V1_SIZE;
        data.hWnd = window;
        data.uID = id;
        callShell(NIM_DELETE, &data);
    }
}
