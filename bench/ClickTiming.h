#pragma once

#include <string>
#include <vector>

// How far each click came from its due time: Start plus the sum of the intervals
// before it, as the driver's target window saw it (QueryPerformanceCounter).
struct ClickTiming {
    std::string label;
    std::size_t clicks = 0;
    double meanMs = 0;   // mean absolute offset
    double p95Ms = 0;    // 95th percentile of the absolute offsets
    double worstMs = 0;  // largest absolute offset
    double driftMs = 0;  // offset of the last click minus that of the first
};

// Runs Clikpad with the given "Events" text, looping, for the given time.
ClickTiming MeasureClickTiming(const std::string& label, const std::string& events, int seconds);

// Offsets (ms) of clicks from their due times, given the seconds from Start to each
// click and the list of intervals.
std::vector<double> OffsetsFromSchedule(const std::vector<double>& secondsSinceStart,
                                        const std::vector<int>& intervals);
ClickTiming Summarise(const std::string& label, const std::vector<double>& offsetsMs);
