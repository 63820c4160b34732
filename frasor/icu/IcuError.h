// ICU's failures as exceptions.
#pragma once

#include <unicode/utypes.h>

#include <stdexcept>
#include <string>

namespace frasor {

// Throws std::runtime_error naming `step` when `status` is a failure.
inline void ThrowOnIcuFailure(UErrorCode status, const char* step) {
  if (U_FAILURE(status)) throw std::runtime_error(std::string(step) + ": " + u_errorName(status));
}

}  // namespace frasor
