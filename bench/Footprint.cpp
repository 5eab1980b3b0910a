#include "Footprint.h"
#include "Seconds.h"

#include "ClikpadProcess.h"
#include "TestWindow.h"

#include <psapi.h>

#include <algorithm>
#include <vector>

namespace {

double fileKiB(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return 0;
    return static_cast<double>((static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow) / 1024.0;
}

ULONGLONG cpu100ns(HANDLE process) {
    FILETIME created{}, exited{}, kernel{}, user{};
    GetProcessTimes(process, &created, &exited, &kernel, &user);
    const auto value = [](FILETIME time) {
        return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    };
    return value(kernel) + value(user);
}

LONGLONG now() {
    LARGE_INTEGER counter{};
    QueryPerformanceCounter(&counter);
    return counter.QuadPart;
}

}  // namespace

double CpuMilliseconds(void* process, int seconds) {
    const ULONGLONG before = cpu100ns(process);
    pumpFor(static_cast<DWORD>(seconds) * 1000);
    return static_cast<double>(cpu100ns(process) - before) / 10000.0;
}

Footprint MeasureStartup(const Program& program, int starts) {
    Footprint result;
    result.exeKiB = fileKiB(program.exePath);
    std::vector<double> startups;
    for (int i = 0; i < starts; ++i) {
        const LONGLONG begin = now();
        ClikpadProcess process(program.exePath);
        // Polled every millisecond: the message pump's waits would round the figure up.
        HWND window = nullptr;
        for (int tries = 0; tries < 10000 && !(window && IsWindowVisible(window)); ++tries) {
            window = process.findWindow(program.caption, program.className);
            if (!(window && IsWindowVisible(window))) Sleep(1);
        }
        startups.push_back(SecondsBetween(begin, now()) * 1000.0);
        if (i == starts - 1) {
            pumpFor(1000);
            PROCESS_MEMORY_COUNTERS_EX memory{};
            memory.cb = sizeof memory;
            GetProcessMemoryInfo(process.handle(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory);
            // Windows reports the commit charge in both; Wine fills only the older field.
            const SIZE_T privateBytes = memory.PrivateUsage ? memory.PrivateUsage : memory.PagefileUsage;
            result.privateKiB = static_cast<double>(privateBytes) / 1024.0;
        }
        if (window) PostMessageA(window, WM_CLOSE, 0, 0);
        process.waitForExit(5000);
    }
    std::sort(startups.begin(), startups.end());
    result.startupMs = startups[startups.size() / 2];
    return result;
}
