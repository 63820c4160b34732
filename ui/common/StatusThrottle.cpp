#include "ui/common/StatusThrottle.h"

#include <utility>

namespace {

constexpr std::string_view LoadCountPrefix = "Status do software: carregando dicion\xE1rios... ";
constexpr std::string_view LoadCountSuffix = " palavras carregadas";

// The loader's running count, which comes once per dictionary entry.
bool IsLoadCount(std::string_view text) {
  return text.size() > LoadCountPrefix.size() + LoadCountSuffix.size() &&
         text.starts_with(LoadCountPrefix) && text.ends_with(LoadCountSuffix);
}

}  // namespace

StatusThrottle::StatusThrottle(std::function<void(std::string_view)> paint,
                               std::function<void()> flushLater,
                               std::function<Clock::time_point()> now)
    : paint_(std::move(paint)), flushLater_(std::move(flushLater)), now_(std::move(now)) {}

void StatusThrottle::Show(std::string_view text) {
  bool loadCount = IsLoadCount(text);
  if (loadCount && lastPaint_ && !FrameOver()) {
    waiting_.assign(text);
    if (!flushRequested_) {
      flushRequested_ = true;
      flushLater_();
    }
    return;
  }
  if (!loadCount && !waiting_.empty()) Paint(waiting_);
  Paint(text);
}

bool StatusThrottle::FrameOver() {
  if (++countsSinceClockReading_ < CountsPerClockReading) return false;
  countsSinceClockReading_ = 0;
  return now_() - *lastPaint_ >= Frame;
}

void StatusThrottle::Flush() {
  flushRequested_ = false;
  if (!waiting_.empty()) Paint(waiting_);
}

void StatusThrottle::Paint(std::string_view text) {
  std::string shown(text);  // `text` may be waiting_ itself
  waiting_.clear();
  paint_(shown);
  lastPaint_ = now_();  // the frame counts from the end of the paint
}
