// How the status line keeps up with the dictionary load, which reports a
// running count after every entry, millions of them: painting each costs
// more than reading it. A count that follows the previous paint by less
// than one frame waits; the window paints it once its loop runs again, and
// a count still waiting is painted before the next stage's text replaces
// it, so the load's last count is always seen. Every other text is painted
// at once. Reading the clock costs as much as all the rest of an entry's
// load, so during the count it is read only once every
// CountsPerClockReading counts, a few microseconds apart.
#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

class StatusThrottle {
 public:
  using Clock = std::chrono::steady_clock;
  static constexpr Clock::duration Frame = std::chrono::milliseconds(16);
  static constexpr int CountsPerClockReading = 64;

  // `paint` puts a text on the status line and on the screen; `flushLater`
  // has the window's loop call Flush() once it runs again; `now` tells the
  // time.
  StatusThrottle(std::function<void(std::string_view text)> paint, std::function<void()> flushLater,
                 std::function<Clock::time_point()> now = Clock::now);

  // The status sink's work for `text` (Windows-1252).
  void Show(std::string_view text);

  // Paints the count that is waiting, if any.
  void Flush();

 private:
  void Paint(std::string_view text);
  // For a count after a paint: whether a frame has passed since that paint,
  // as of the clock's last reading.
  bool FrameOver();

  std::function<void(std::string_view)> paint_;
  std::function<void()> flushLater_;
  std::function<Clock::time_point()> now_;
  std::optional<Clock::time_point> lastPaint_;
  std::string waiting_;  // a count not painted yet
  bool flushRequested_ = false;
  int countsSinceClockReading_ = 0;
};
