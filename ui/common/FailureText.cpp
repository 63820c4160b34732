#include "ui/common/FailureText.h"

#include <new>

#include "platform/FileError.h"

std::string WithFullStop(std::string message) {
  if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') message += '.';
  return message;
}

std::string FailureText(const std::exception& failure) {
  bool outOfMemory = dynamic_cast<const std::bad_alloc*>(&failure) != nullptr;
  return WithFullStop(outOfMemory ? platform::OutOfMemoryMessage : failure.what());
}
