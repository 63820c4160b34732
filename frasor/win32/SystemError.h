// Failures of the system's text functions, which well-formed input never
// meets: the segmenter reports them as internal failures.
#pragma once

#include <stdexcept>
#include <string>

namespace frasor::win32 {

// Throws std::runtime_error naming `step` and the system's error code.
[[noreturn]] inline void ThrowSystemError(const char* step, unsigned long error) {
  throw std::runtime_error(std::string(step) + ": system error " + std::to_string(error));
}

}  // namespace frasor::win32
