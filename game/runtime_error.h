// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A run-time error ends the program after a message that names it. The rules
// throw it; the window (or the replay driver) reports it and exits non-zero.

#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>

namespace kalvora {

class RuntimeError : public std::runtime_error {
public:
    RuntimeError(int code, const std::string& name)
        : std::runtime_error("Run-time error '" + std::to_string(code) + "': " + name),
          code_(code) {}
    int code() const { return code_; }

private:
    int code_;
};

inline RuntimeError overflowError() {
    return RuntimeError(6, "Overflow");
}
inline RuntimeError subscriptError() {
    return RuntimeError(9, "Subscript out of range");
}

// Arithmetic on the fixed-width counters raises Overflow instead of wrapping.
template <typename T> T checkedAdd(T value, long long amount) {
    const long long sum = static_cast<long long>(value) + amount;
    if (sum < std::numeric_limits<T>::min() || sum > std::numeric_limits<T>::max())
        throw overflowError();
    return static_cast<T>(sum);
}

} // namespace kalvora
