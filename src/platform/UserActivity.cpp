#include "platform/UserActivity.h"

#include "platform/MouseInput.h"
#include "rules/ClickPoints.h"

bool userActiveRecently() {
    LASTINPUTINFO last{sizeof last, 0};
    if (!GetLastInputInfo(&last)) return false;
    return ClickPoints::userActive(last.dwTime, MouseInput::ownInputTick(), GetTickCount());
}
