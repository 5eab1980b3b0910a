#include "app/ClickRun.h"

#include "app/Module1.h"
#include "mouse/CMouseEvent.h"
#include "mouse/PointClick.h"
#include "platform/ClickTarget.h"
#include "platform/PointPicker.h"
#include "platform/UserActivity.h"
#include "platform/Window.h"
#include "rules/TimeText.h"
#include "settings/SettingsStore.h"

#include <algorithm>
#include <chrono>
#include <limits>
#include <utility>

namespace {

// Every element must give a countdown before the run starts, so that no tick
// meets one it cannot load.
bool allElementsUsable(const std::string& events, const std::vector<std::string>& elements) {
    if (events.empty()) return false;
    for (const auto& element : elements)
        if (!TimeText::eventValue(element)) return false;
    return true;
}

POINT screenPoint(ClickPoints::ScreenPoint point) { return {point.x, point.y}; }

}  // namespace

void ClickRun::Start() {
    RunSettings stored = SettingsStore::forRun();
    auto elements = TimeText::splitEvents(stored.events);
    if (!allElementsUsable(stored.events, elements)) {
        controls_.reportUnusableTimes();
        return;
    }
    state_.LoopSetting = std::move(stored.loopText);
    state_.Points = std::move(stored.clickList.points);
    state_.Vary = stored.clickList.vary;
    state_.WaitForUser = stored.clickList.waitForUser;
    state_.ClickHeld = false;
    reported_.clear();
    state_.ClickCount = 0;
    state_.EventList = std::move(elements);
    state_.LastEventIndex = static_cast<std::int32_t>(state_.EventList.size()) - 1;
    state_.EventIndex = 0;
    state_.Countdown = countdownOf(0);  // usable, as checked above
    controls_.enableTimer(true);
    controls_.setTimerPanel("Timer: " + std::to_string(state_.Countdown));
    controls_.setStartEnabled(false);
    controls_.setPauseEnabled(true);
    controls_.setStopEnabled(true);
    controls_.setPauseCaption(kPause);
    controls_.setRunStatus(kRunning);
}

void ClickRun::PauseContinue() {
    if (controls_.pauseCaption() == kPause) {
        controls_.setPauseCaption(kContinue);
        controls_.setRunStatus(kPaused);
        controls_.enableTimer(false);
    } else {
        controls_.setPauseCaption(kPause);
        controls_.setRunStatus(kRunning);
        controls_.enableTimer(true);
    }
}

void ClickRun::Stop() {
    controls_.setStartEnabled(true);
    controls_.setPauseEnabled(false);
    controls_.setStopEnabled(false);
    controls_.setPauseCaption(kPause);
    controls_.setRunStatus(kStopped);
    controls_.setTimerPanel("Timer: 0");
    controls_.setClicksPanel("Clicks: 0");
    controls_.enableTimer(false);
    state_.ClickHeld = false;
    ClearAdReference();
}

void ClickRun::ClearAdReference() {
    state_.AdReferenceCaptured = false;
    state_.PointReferenceColors.clear();
}

void ClickRun::Tick() {
    // A hand-edited time of 0 or less falls on and on; it must not wrap around.
    if (!state_.ClickHeld && state_.Countdown > std::numeric_limits<std::int32_t>::min()) --state_.Countdown;
    if (state_.Countdown == 0) {
        const auto point = pointOf(state_.EventIndex);
        // A point on a monitor that is gone would be clicked somewhere else, if anywhere.
        const bool onNoScreen = point && !onAMonitor(screenPoint(*point));
        state_.ClickHeld = clickHeld(point && !onNoScreen);
        if (state_.ClickHeld) return showCountdownAndClicks();  // still running: the click waits
        if (onNoScreen) {
            skipped(RunControls::Skipped::PointOffScreen);
        } else if (clickAllowed(point)) {
            click(point);
        }
        const bool lastElement = state_.EventIndex == state_.LastEventIndex;
        if (lastElement && !SettingsStore::loopsOnRun(state_.LoopSetting)) {
            controls_.enableTimer(false);
            state_.EventIndex = 0;
            Stop();
            return;
        }
        if (++state_.EventIndex > state_.LastEventIndex) state_.EventIndex = 0;
        state_.Countdown = countdownOf(state_.EventIndex);
    }
    showCountdownAndClicks();
    if (state_.ClickCount >= kClickCountWrap) state_.ClickCount = 0;
}

std::uint32_t ClickRun::freshSeed() {
    const auto now = static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    return std::random_device()() ^ now;
}

std::int32_t ClickRun::countdownOf(std::int32_t index) {
    const std::int32_t time = TimeText::eventValue(state_.EventList[static_cast<std::size_t>(index)]).value_or(0);
    return ClickPoints::variedTime(time, state_.Vary, random_);
}

std::optional<ClickPoints::ScreenPoint> ClickRun::pointOf(std::int32_t index) const {
    const auto at = static_cast<std::size_t>(index);
    return at < state_.Points.size() ? state_.Points[at] : std::nullopt;
}

// A click waits while a point is being picked, where it would land on the picker, and
// a click at a point on a screen while the user works, so that the pointer is not taken from them.
bool ClickRun::clickHeld(bool atAPointOnAScreen) const {
    return PointPicker::picking() || (atAPointOnAScreen && state_.WaitForUser && userActiveRecently());
}

// The run's first click at the pointer, and the first at each point, sets the colour
// every later click there must find.
bool ClickRun::clickAllowed(const std::optional<ClickPoints::ScreenPoint>& point) {
    if (!choices_.adDetectorOn()) return true;
    if (point) {
        const std::uint32_t colour = pixelAt(screenPoint(*point));
        const auto [reference, first] = state_.PointReferenceColors.try_emplace(*point, colour);
        return first || reference->second == colour;
    }
    if (!state_.AdReferenceCaptured) {
        state_.AdReferenceColor = PixelUnderCursor();
        state_.AdReferenceCaptured = true;
        return true;
    }
    return PixelUnderCursor() == state_.AdReferenceColor;
}

void ClickRun::click(const std::optional<ClickPoints::ScreenPoint>& point) {
    // A click into a program of higher rights never arrives: it is neither sent nor
    // counted, and the run goes on, so that the next one lands when the target changes.
    if (point ? ClickTarget::blockedAt(screenPoint(*point)) : ClickTarget::blockedUnderPointer())
        return skipped(RunControls::Skipped::Blocked);
    const std::int32_t button = choices_.primaryButton() ? CMouseEvent::kPrimary : CMouseEvent::kSecondary;
    if (point) {
        clickAtPoint(screenPoint(*point), button);
    } else {
        CMouseEvent mouse;
        mouse.ButtonPress(button);
        mouse.ButtonRelease(button);
    }
    ++state_.ClickCount;
}

void ClickRun::skipped(RunControls::Skipped why) {
    if (std::find(reported_.begin(), reported_.end(), why) != reported_.end()) return;
    reported_.push_back(why);
    controls_.reportSkippedClicks(why);
}

void ClickRun::showCountdownAndClicks() {
    controls_.setTimerPanel("Timer: " + std::to_string(state_.Countdown));
    controls_.setClicksPanel("Clicks: " + std::to_string(state_.ClickCount));
}
