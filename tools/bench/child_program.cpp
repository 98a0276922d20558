// SPDX-License-Identifier: GPL-3.0-or-later
#include "child_program.h"

#include "probe_time.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace probe {
namespace {

pid_t child = 0;

const char* endKind(int status) {
    return WIFEXITED(status) ? "exit status" : "signal";
}

int endCode(int status) {
    return WIFEXITED(status) ? WEXITSTATUS(status) : WTERMSIG(status);
}

} // namespace

void startChild(const std::vector<std::string>& command, const std::string& log) {
    std::vector<char*> argv;
    for (const std::string& word : command)
        argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);

    child = fork();
    if (child < 0)
        fail("cannot fork: %s", std::strerror(errno));
    if (child != 0)
        return;
    if (!log.empty()) {
        const int fd = open(log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
        if (fd < 0) {
            std::fprintf(stderr, "kalvora-window-probe: cannot write %s: %s\n", log.c_str(),
                         std::strerror(errno));
            _exit(126);
        }
        dup2(fd, 1);
        dup2(fd, 2);
    }
    execvp(argv[0], argv.data());
    std::fprintf(stderr, "kalvora-window-probe: cannot start %s: %s\n", argv[0],
                 std::strerror(errno));
    _exit(127);
}

pid_t childPid() {
    return child;
}

void failIfChildEnded() {
    int status = 0;
    if (child > 0 && waitpid(child, &status, WNOHANG) == child) {
        child = 0;
        fail("the program ended early (%s %d)", endKind(status), endCode(status));
    }
}

void waitForChildSuccess(int seconds) {
    const Time deadline = after(Clock::now(), seconds * 1000.0);
    int status = 0;
    while (waitpid(child, &status, WNOHANG) == 0) {
        if (Clock::now() >= deadline)
            fail("the program did not end within %d s of its window being closed", seconds);
        usleep(5000);
    }
    child = 0;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        fail("the program ended with %s %d after its window was closed", endKind(status),
             endCode(status));
}

void fail(const char* format, ...) {
    std::fprintf(stderr, "kalvora-window-probe: ");
    va_list args;
    va_start(args, format);
    std::vfprintf(stderr, format, args);
    va_end(args);
    std::fprintf(stderr, "\n");
    if (child > 0) {
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
    }
    std::exit(1);
}

} // namespace probe
