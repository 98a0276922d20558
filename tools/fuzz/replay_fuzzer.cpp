// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: arbitrary bytes as a replay script. The driver may
// reject them or hit a run-time error, but it must answer with one of its
// three exit statuses and never crash or misbehave.

#include "replay_driver.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream script(std::string(reinterpret_cast<const char*>(data), size));
    std::ostringstream operations, errors;
    // Half a second a hint would let one input run for minutes.
    const int status =
        kalvora::runReplay(script, operations, errors, std::chrono::milliseconds(0));
    if (status != kalvora::ReplayOk && status != kalvora::ReplayBadInput &&
        status != kalvora::ReplayRuntimeError)
        std::abort();
    // Every failure is explained on standard error, and success is silent there.
    if ((status == kalvora::ReplayOk) != errors.str().empty())
        std::abort();
    return 0;
}
