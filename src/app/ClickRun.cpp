#include "app/ClickRun.h"

#include "app/Module1.h"
#include "mouse/CMouseEvent.h"
#include "platform/ClickTarget.h"
#include "rules/TimeText.h"
#include "settings/SettingsStore.h"

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

}  // namespace

void ClickRun::Start() {
    RunSettings stored = SettingsStore::forRun();
    auto elements = TimeText::splitEvents(stored.events);
    if (!allElementsUsable(stored.events, elements)) {
        controls_.reportUnusableTimes();
        return;
    }
    state_.LoopSetting = std::move(stored.loopText);
    blockedClicksReported_ = false;
    state_.ClickCount = 0;
    state_.EventList = std::move(elements);
    state_.LastEventIndex = static_cast<std::int32_t>(state_.EventList.size()) - 1;
    state_.EventIndex = 0;
    state_.Countdown = TimeText::eventValue(state_.EventList[0]).value_or(0);  // usable, as checked above
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
    state_.AdReferenceCaptured = false;
}

void ClickRun::Tick() {
    // A hand-edited time of 0 or less falls on and on; it must not wrap around.
    if (state_.Countdown > std::numeric_limits<std::int32_t>::min()) --state_.Countdown;
    if (state_.Countdown == 0) {
        if (clickAllowed()) click();
        const bool lastElement = state_.EventIndex == state_.LastEventIndex;
        if (lastElement && !SettingsStore::loopsOnRun(state_.LoopSetting)) {
            controls_.enableTimer(false);
            state_.EventIndex = 0;
            Stop();
            return;
        }
        if (++state_.EventIndex > state_.LastEventIndex) state_.EventIndex = 0;
        state_.Countdown =
            TimeText::eventValue(state_.EventList[static_cast<std::size_t>(state_.EventIndex)]).value_or(0);
    }
    showCountdownAndClicks();
    if (state_.ClickCount >= kClickCountWrap) state_.ClickCount = 0;
}

bool ClickRun::clickAllowed() {
    if (!choices_.adDetectorOn()) return true;
    if (!state_.AdReferenceCaptured) {
        // The run's first click sets the colour every later click must find.
        state_.AdReferenceColor = PixelUnderCursor();
        state_.AdReferenceCaptured = true;
        return true;
    }
    return PixelUnderCursor() == state_.AdReferenceColor;
}

void ClickRun::click() {
    // A click into a program of higher rights never arrives: it is neither sent nor
    // counted, and the run goes on, so that the next one lands when the target changes.
    if (ClickTarget::blockedUnderPointer()) {
        if (!std::exchange(blockedClicksReported_, true)) controls_.reportBlockedClicks();
        return;
    }
    const std::int32_t button = choices_.primaryButton() ? CMouseEvent::kPrimary : CMouseEvent::kSecondary;
    CMouseEvent mouse;
    mouse.ButtonPress(button);
    mouse.ButtonRelease(button);
    ++state_.ClickCount;
}

void ClickRun::showCountdownAndClicks() {
    controls_.setTimerPanel("Timer: " + std::to_string(state_.Countdown));
    controls_.setClicksPanel("Clicks: " + std::to_string(state_.ClickCount));
}
