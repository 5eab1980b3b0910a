#include "ClickTiming.h"
#include "Seconds.h"

#include "ClikpadProcess.h"
#include "TestWindow.h"
#include "UserInput.h"
#include "rules/TimeText.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>

namespace {

LONGLONG now() {
    LARGE_INTEGER counter{};
    QueryPerformanceCounter(&counter);
    return counter.QuadPart;
}

}  // namespace

std::vector<double> OffsetsFromSchedule(const std::vector<double>& secondsSinceStart,
                                        const std::vector<int>& intervals) {
    std::vector<double> offsets;
    double due = 0;
    for (std::size_t i = 0; i < secondsSinceStart.size(); ++i) {
        due += intervals[i % intervals.size()];
        offsets.push_back((secondsSinceStart[i] - due) * 1000.0);
    }
    return offsets;
}

ClickTiming Summarise(const std::string& label, const std::vector<double>& offsetsMs) {
    ClickTiming result{label, offsetsMs.size()};
    if (offsetsMs.empty()) return result;
    std::vector<double> magnitudes;
    for (const double offset : offsetsMs) magnitudes.push_back(std::fabs(offset));
    std::sort(magnitudes.begin(), magnitudes.end());
    result.meanMs = std::accumulate(magnitudes.begin(), magnitudes.end(), 0.0) / static_cast<double>(magnitudes.size());
    result.p95Ms = magnitudes[static_cast<std::size_t>(std::ceil(0.95 * static_cast<double>(magnitudes.size()))) - 1];
    result.worstMs = magnitudes.back();
    result.driftMs = offsetsMs.back() - offsetsMs.front();
    return result;
}

ClickTiming MeasureClickTiming(const std::string& label, const std::string& events, int seconds) {
    deleteSettings();
    for (const auto& [name, text] : std::map<std::string, std::string>{{"Ver", "4.3"},
                                                                       {"Button", "True"},
                                                                       {"DetAd", "False"},
                                                                       {"Events", events},
                                                                       {"Hide", "0"},
                                                                       {"Loop", "True"},
                                                                       {"OnTop", "0"}})
        RegSetKeyValueA(HKEY_CURRENT_USER, "SOFTWARE\\Talvick Software\\Clikpad", name.c_str(), REG_SZ, text.c_str(),
                        static_cast<DWORD>(text.size() + 1));
    std::vector<int> intervals;
    for (const auto& element : TimeText::splitEvents(events)) intervals.push_back(*TimeText::eventValue(element));

    ClikpadProcess clikpad;
    if (!clikpad.waitForMainWindow()) return {label};
    TestWindow target({900, 300, 1500, 800}, RGB(255, 255, 255));
    HWND start = clikpad.button(clikpad.main(), "Start");
    RECT rect{};
    GetWindowRect(start, &rect);
    UserInput::movePointer({(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
    mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
    const LONGLONG started = now();  // the button acts on its release
    UserInput::movePointer(target.centre());
    pumpFor(static_cast<DWORD>(seconds) * 1000 + 300);

    std::vector<double> sinceStart;
    for (const auto& received : target.received())
        if (received.message == WM_LBUTTONDOWN) sinceStart.push_back(SecondsBetween(started, received.ticks));
    return Summarise(label, OffsetsFromSchedule(sinceStart, intervals));
}
