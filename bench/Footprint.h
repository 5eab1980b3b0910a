#pragma once

#include <string>

struct Footprint {
    double exeKiB = 0;
    double startupMs = 0;     // median, process start to main window visible
    double privateKiB = 0;    // private memory after start-up
    double cpuStoppedMs = 0;  // CPU time used over the measuring period, idle
    double cpuRunningMs = 0;  // the same with a click run going (Clikpad only)
};

struct Program {
    std::string exePath;
    const char* caption;
    const char* className;
};

// Size, start-up time (median of the given number of starts) and private memory.
Footprint MeasureStartup(const Program& program, int starts);
// CPU time of a process over the given seconds, in milliseconds.
double CpuMilliseconds(void* process, int seconds);
