// Measures Clikpad under Wine on the virtual display: how closely it keeps its
// click times, and what it costs next to a bare Win32 program. Prints Markdown.
//   clikbench [seconds]   (default 60: each timing run and each CPU period)
#include "ClickTiming.h"
#include "ClikpadProcess.h"
#include "Footprint.h"
#include "TestWindow.h"
#include "UserInput.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

const Program kClikpad{clikpadExePath(), "Clikpad", "ClikpadForm"};
const Program kBaseline{windowsPath(BASELINE_EXE), "Baseline", "BaselineWindow"};

void row(const char* what, double ours, double baseline, const char* unit) {
    std::printf("| %s | %.1f %s | %.1f %s | %.2f |\n", what, ours, unit, baseline, unit,
                baseline > 0 ? ours / baseline : 0.0);
}

void timingRow(const ClickTiming& t) {
    std::printf("| %s | %zu | %.1f | %.1f | %.1f | %+.1f |\n", t.label.c_str(), t.clicks, t.meanMs, t.p95Ms, t.worstMs,
                t.driftMs);
    std::fflush(stdout);
}

// CPU of Clikpad stopped and the baseline idle, side by side, then Clikpad running.
void measureCpu(int seconds, Footprint& ours, Footprint& baseline) {
    ClikpadProcess clikpad;
    ClikpadProcess bare(kBaseline.exePath);
    clikpad.waitForMainWindow();
    pumpUntil([&] { return bare.findWindow(kBaseline.caption, kBaseline.className) != nullptr; }, 10000);
    pumpFor(1000);
    FILETIME unused{}, kernel{}, user{};
    const auto cpu = [&](HANDLE process) {
        GetProcessTimes(process, &unused, &unused, &kernel, &user);
        const auto value = [](FILETIME t) {
            return (static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
        };
        return static_cast<double>(value(kernel) + value(user)) / 10000.0;
    };
    const double oursBefore = cpu(clikpad.handle()), bareBefore = cpu(bare.handle());
    pumpFor(static_cast<DWORD>(seconds) * 1000);
    ours.cpuStoppedMs = cpu(clikpad.handle()) - oursBefore;
    baseline.cpuStoppedMs = cpu(bare.handle()) - bareBefore;

    TestWindow target({900, 300, 1500, 800}, RGB(255, 255, 255));
    UserInput::clickWindow(clikpad.button(clikpad.main(), "Start"));
    UserInput::movePointer(target.centre());
    ours.cpuRunningMs = CpuMilliseconds(clikpad.handle(), seconds);
    baseline.cpuRunningMs = baseline.cpuStoppedMs;  // the bare program's timer never stops
}

}  // namespace

int main(int argc, char** argv) {
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
    if (othersSettingsMayExist()) {
        std::fprintf(stderr, "Clikpad's settings exist here; the benchmark would delete them.\n");
        return 1;
    }

    std::printf("## Click timing (%d s per run, offsets from Start + the intervals, ms)\n\n", seconds);
    std::printf("| run | clicks | mean abs offset | p95 | worst | drift (last - first) |\n|---|---|---|---|---|---|\n");
    std::vector<ClickTiming> timings;
    timingRow(MeasureClickTiming("\"1\", Loop", "1", seconds));
    timingRow(MeasureClickTiming("\"1,2,3\", Loop", "1,2,3", seconds));
    {
        ClikpadProcess spinner(windowsPath(SPIN_EXE));  // keeps the other core busy
        timingRow(MeasureClickTiming("\"1\", Loop, other core busy", "1", seconds));
        timingRow(MeasureClickTiming("\"1,2,3\", Loop, other core busy", "1,2,3", seconds));
        TerminateProcess(spinner.handle(), 0);
    }

    Footprint ours = MeasureStartup(kClikpad, 10);
    Footprint baseline = MeasureStartup(kBaseline, 10);
    measureCpu(seconds, ours, baseline);
    deleteSettings();

    std::printf("\n## Footprint (Clikpad, bare Win32 baseline, ratio)\n\n");
    std::printf("| measure | Clikpad | baseline | ratio |\n|---|---|---|---|\n");
    row("executable size", ours.exeKiB, baseline.exeKiB, "KiB");
    row("start to window visible (median of 10)", ours.startupMs, baseline.startupMs, "ms");
    row("private memory after start-up", ours.privateKiB, baseline.privateKiB, "KiB");
    std::printf("| CPU over %d s, stopped | %.1f ms | %.1f ms | %.2f |\n", seconds, ours.cpuStoppedMs,
                baseline.cpuStoppedMs, baseline.cpuStoppedMs > 0 ? ours.cpuStoppedMs / baseline.cpuStoppedMs : 0.0);
    std::printf("| CPU over %d s, running (one click a second) | %.1f ms | %.1f ms | %.2f |\n", seconds,
                ours.cpuRunningMs, baseline.cpuRunningMs,
                baseline.cpuRunningMs > 0 ? ours.cpuRunningMs / baseline.cpuRunningMs : 0.0);
    return 0;
}
