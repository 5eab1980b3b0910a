// A click run: Start, Pause/Continue, Stop and the one-second tick that counts
// down, clicks at the pointer or at the time's point of the Click List (unless the ad
// detector holds it back) and moves on through the list of times. The run's state is
// carried by the main window's controls, which it drives through RunControls.
#pragma once

#include "rules/ClickPoints.h"

#include <cstdint>
#include <map>
#include <random>
#include <string>
#include <vector>

// The main window's side of a run: both routes to each command (the button and
// the popup menu item) change together.
class RunControls {
public:
    virtual void setStartEnabled(bool enabled) = 0;
    virtual void setPauseEnabled(bool enabled) = 0;
    virtual void setStopEnabled(bool enabled) = 0;
    virtual void setPauseCaption(const std::string& caption) = 0;
    virtual std::string pauseCaption() const = 0;
    virtual void setRunStatus(const std::string& text) = 0;    // StatusBar1 panel 1
    virtual void setTimerPanel(const std::string& text) = 0;   // StatusBar2 panel 1
    virtual void setClicksPanel(const std::string& text) = 0;  // StatusBar2 panel 2
    virtual void enableTimer(bool enabled) = 0;
    virtual void reportUnusableTimes() = 0;
    // Why clicks are skipped: said once per run for each reason, without taking the
    // focus or stopping the run.
    enum class Skipped { Blocked, PointOffScreen };
    virtual void reportSkippedClicks(Skipped why) = 0;

protected:
    ~RunControls() = default;
};

// The two choices a click reads from the live settings.
class ClickChoices {
public:
    virtual bool adDetectorOn() = 0;
    virtual bool primaryButton() = 0;

protected:
    ~ClickChoices() = default;
};

struct ClickRunState {
    std::vector<std::string> EventList;
    std::int32_t LastEventIndex = 0;
    std::int32_t EventIndex = 0;
    std::int32_t Countdown = 0;
    std::int16_t ClickCount = 0;
    std::string LoopSetting;
    bool AdReferenceCaptured = false;
    std::uint32_t AdReferenceColor = 0;
    // From the Click List, read at Start: where each time clicks, how much times vary,
    // and whether a click at a point waits while the user works.
    ClickPoints::PointList Points;
    int Vary = 0;
    bool WaitForUser = true;
    bool ClickHeld = false;  // the countdown stands at 0 until the click can be made
    std::map<ClickPoints::ScreenPoint, std::uint32_t> PointReferenceColors;  // the ad detector's, per point
};

class ClickRun {
public:
    static constexpr const char* kPause = "Pause";
    static constexpr const char* kContinue = "Continue";
    static constexpr const char* kStopped = "Status: Stopped";
    static constexpr const char* kRunning = "Status: Running";
    static constexpr const char* kPaused = "Status: Paused";
    static constexpr std::int16_t kClickCountWrap = 32766;

    ClickRun(RunControls& controls, ClickChoices& choices)
        : controls_(controls), choices_(choices), random_(freshSeed()) {}

    void Start();
    void PauseContinue();
    void Stop();
    void Tick();
    void ClearAdReference();

    // The run's variables; tests also set them, the click counter near its wrap.
    ClickRunState& state() { return state_; }

private:
    static std::uint32_t freshSeed();
    std::int32_t countdownOf(std::int32_t index);
    std::optional<ClickPoints::ScreenPoint> pointOf(std::int32_t index) const;
    bool clickHeld(bool atAPointOnAScreen) const;
    bool clickAllowed(const std::optional<ClickPoints::ScreenPoint>& point);
    void click(const std::optional<ClickPoints::ScreenPoint>& point);
    void skipped(RunControls::Skipped why);
    void showCountdownAndClicks();

    RunControls& controls_;
    ClickChoices& choices_;
    ClickRunState state_;
    std::vector<RunControls::Skipped> reported_;  // in this run
    std::mt19937 random_;
};
