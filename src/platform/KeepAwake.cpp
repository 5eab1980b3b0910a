#include "platform/KeepAwake.h"

#include <utility>

namespace KeepAwake {
namespace {
Setter current = &SetThreadExecutionState;
}  // namespace

void set(bool awake) { current(awake ? ES_CONTINUOUS | ES_SYSTEM_REQUIRED | ES_DISPLAY_REQUIRED : ES_CONTINUOUS); }

Setter replaceSetter(Setter setter) { return std::exchange(current, setter); }

}  // namespace KeepAwake
