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

const char* IcuName(TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::Utf16LittleEndian:
      return "UTF-16LE";
    case TextEncoding::Utf16BigEndian:
      return "UTF-16BE";
    case TextEncoding::Utf8:
    case TextEncoding::Windows1252:
      break;
  }
  return "UTF-8";
}

}  // namespace frasor
