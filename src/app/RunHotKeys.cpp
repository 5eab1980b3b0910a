#include "app/RunHotKeys.h"

#include "platform/HotKey.h"

std::string RunHotKeys::use(const HotKeys& keys) {
    const HotKeys previous = keys_;
    release();
    if (registerBoth(keys)) return {};
    std::string taken = HotKey::name(HotKey::registerFor(window_, kRunId, keys.run) ? keys.stop : keys.run);
    release();
    registerBoth(previous);
    return taken;
}

bool RunHotKeys::registerBoth(const HotKeys& keys) {
    if (!HotKey::registerFor(window_, kRunId, keys.run)) return false;
    if (!HotKey::registerFor(window_, kStopId, keys.stop)) {
        HotKey::unregisterFrom(window_, kRunId);
        return false;
    }
    keys_ = keys;
    return true;
}

void RunHotKeys::release() {
    HotKey::unregisterFrom(window_, kRunId);
    HotKey::unregisterFrom(window_, kStopId);
    keys_ = {};
}
