// Owns an ICU converter.
#pragma once

#include <unicode/ucnv.h>

#include "frasor/TextEncoding.h"

namespace frasor {

// The ICU name of the converter that decodes `encoding`, a Unicode one.
const char* IcuName(TextEncoding encoding);

class IcuConverter {
 public:
  // Opens the converter of that ICU name; throws std::runtime_error when ICU
  // has none.
  explicit IcuConverter(const char* name);
  ~IcuConverter() { ucnv_close(converter_); }
  IcuConverter(const IcuConverter&) = delete;
  IcuConverter& operator=(const IcuConverter&) = delete;

  UConverter* Get() const { return converter_; }

 private:
  UConverter* converter_;
};

}  // namespace frasor
