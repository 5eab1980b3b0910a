// The rule under the click-target decision, from the integrity levels (RIDs) of the
// target's process and of this one: a click is held back only when both are known
// and the target's is higher. A level that cannot be read never blocks on a guess.
#pragma once

#include <cstdint>
#include <optional>

namespace ClickTarget {

inline bool blocks(std::optional<std::uint32_t> targetLevel, std::optional<std::uint32_t> ownLevel) {
    return targetLevel && ownLevel && *targetLevel > *ownLevel;
}

}  // namespace ClickTarget
