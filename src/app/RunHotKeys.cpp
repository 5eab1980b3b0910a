#include "app/RunHotKeys.h"

#include "platform/HotKey.h"

HotKeys RunHotKeys::use(const HotKeys& keys) {
    release();
    chosen_ = keys;
    if (HotKey::registerFor(window_, kRunId, keys.run)) inForce_.run = keys.run;
    if (HotKey::registerFor(window_, kStopId, keys.stop)) inForce_.stop = keys.stop;
    const auto taken = [](std::uint16_t asked, std::uint16_t held) { return held == asked ? std::uint16_t{0} : asked; };
    return {taken(keys.run, inForce_.run), taken(keys.stop, inForce_.stop)};
}

void RunHotKeys::release() {
    HotKey::unregisterFrom(window_, kRunId);
    HotKey::unregisterFrom(window_, kStopId);
    inForce_ = {};
}
