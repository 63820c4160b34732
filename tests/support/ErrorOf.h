// The message of the file error an operation throws, or "no error".
#pragma once

#include <string>

#include "platform/FileError.h"

namespace testing_support {

template <typename Operation>
std::string ErrorOf(Operation operation) {
  try {
    operation();
  } catch (const platform::FileError& error) {
    return error.what();
  }
  return "no error";
}

}  // namespace testing_support
