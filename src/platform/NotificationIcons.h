// Shell_NotifyIconA, with shell32 loaded when the first icon is shown: the
// shell's library is large, and most runs never show a notification icon.
#pragma once

#include "platform/Win32.h"

#include <shellapi.h>

bool notificationIconMessage(DWORD message, NOTIFYICONDATAA* data);

// Takes every icon the program still shows out of the notification area, so that
// none is left behind by a program that is ending.
void removeAllNotificationIcons();
