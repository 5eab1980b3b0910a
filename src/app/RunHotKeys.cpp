#include "app/RunHotKeys.h"

#include "platform/HotKey.h"

std::string RunHotKeys::use(const HotKeys& keys) {
    const HotKeys previous = keys_;
    release();
    std::string taken = registerBoth(keys);
    if (!taken.empty()) registerBoth(previous);
    return taken;
}

std::string RunHotKeys::registerBoth(const HotKeys& keys) {
    if (!HotKey::registerFor(window_, kRunId, keys.run)) return HotKey::name(keys.run);
    if (!HotKey::registerFor(window_, kStopId, keys.stop)) {
        HotKey::unregisterFrom(window_, kRunId);
        return HotKey::name(keys.stop);
    }
    keys_ = keys;
    return {};
}

void RunHotKeys::release() {
    HotKey::unregisterFrom(window_, kRunId);
    HotKey::unregisterFrom(window_, kStopId);
    keys_ = {};
}
