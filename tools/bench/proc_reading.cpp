// SPDX-License-Identifier: GPL-3.0-or-later
#include "proc_reading.h"

#include "child_program.h"

#include <dirent.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace probe {
namespace {

std::string readFile(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// A field of a status file given with a newline in front, so that a field
// is never found inside another one's name; -1 if it is missing.
long long statusField(const std::string& status, const char* field) {
    const std::string key = std::string("\n") + field + ":";
    const size_t at = status.find(key);
    if (at == std::string::npos)
        return -1;
    return std::atoll(status.c_str() + at + key.size());
}

} // namespace

std::map<int, ThreadCounters> readThreads(pid_t pid) {
    std::map<int, ThreadCounters> threads;
    const std::string taskDir = "/proc/" + std::to_string(pid) + "/task";
    DIR* dir = opendir(taskDir.c_str());
    if (!dir)
        fail("cannot read %s: the program is gone", taskDir.c_str());
    while (dirent* entry = readdir(dir)) {
        if (entry->d_name[0] == '.')
            continue;
        const std::string base = taskDir + "/" + entry->d_name;
        ThreadCounters t;
        std::istringstream(readFile(base + "/schedstat")) >> t.cpuNs >> t.waitNs;
        const std::string status = "\n" + readFile(base + "/status");
        t.switches = statusField(status, "voluntary_ctxt_switches") +
                     statusField(status, "nonvoluntary_ctxt_switches");
        t.name = readFile(base + "/comm");
        if (!t.name.empty() && t.name.back() == '\n')
            t.name.pop_back();
        threads[std::atoi(entry->d_name)] = t;
    }
    closedir(dir);
    return threads;
}

ThreadCounters difference(const std::map<int, ThreadCounters>& before,
                          const std::map<int, ThreadCounters>& after) {
    ThreadCounters sum;
    for (const auto& [tid, now] : after) {
        const auto then = before.find(tid);
        sum.cpuNs += now.cpuNs - (then == before.end() ? 0 : then->second.cpuNs);
        sum.switches += now.switches - (then == before.end() ? 0 : then->second.switches);
    }
    return sum;
}

Memory readMemory(pid_t pid) {
    const std::string status = "\n" + readFile("/proc/" + std::to_string(pid) + "/status");
    auto mb = [&](const char* field) {
        const long long kb = statusField(status, field);
        if (kb < 0)
            fail("/proc/%d/status has no %s", pid, field);
        return static_cast<double>(kb) / 1024.0;
    };
    return {mb("VmHWM"), mb("RssAnon"), mb("RssFile"), mb("RssShmem")};
}

} // namespace probe
