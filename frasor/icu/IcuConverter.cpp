#include "frasor/icu/IcuConverter.h"

#include <stdexcept>
#include <string>

namespace frasor {

IcuConverter::IcuConverter(const char* name) {
  UErrorCode status = U_ZERO_ERROR;
  converter_ = ucnv_open(name, &status);
  if (U_FAILURE(status)) {
    throw std::runtime_error(std::string("ICU has no converter ") + name + ": " +
                             u_errorName(status));
  }
}

}  // namespace frasor
