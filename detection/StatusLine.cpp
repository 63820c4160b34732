#include "detection/StatusLine.h"

#include <utility>

namespace {
StatusSink registeredSink;
}

void SetStatusSink(StatusSink sink) { registeredSink = std::move(sink); }

void ShowStatus(std::string_view text) {
  if (registeredSink) registeredSink(text);
}
