// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the kernel counts for a process, read from /proc: CPU time, waiting
// time and wake-ups of each thread, and the memory of the whole process.

#include <sys/types.h>

#include <map>
#include <string>

namespace probe {

struct ThreadCounters {
    long long cpuNs = 0;
    long long waitNs = 0;   // runnable but waiting for a CPU: the machine's load
    long long switches = 0; // voluntary and involuntary: each is a wake-up
    std::string name;
};

// By thread id; fails if the process is gone.
std::map<int, ThreadCounters> readThreads(pid_t pid);

// What the threads did between two readings; a thread born in between counts
// from zero, one that died in between is lost (none does while idling).
ThreadCounters difference(const std::map<int, ThreadCounters>& before,
                          const std::map<int, ThreadCounters>& after);

// Megabytes of the whole process, from one reading of /proc/PID/status.
struct Memory {
    double peakRss = 0; // VmHWM
    double anon = 0;    // RssAnon
    double file = 0;    // RssFile
    double shmem = 0;   // RssShmem
};

// Fails if the process is gone or a field is missing.
Memory readMemory(pid_t pid);

} // namespace probe
