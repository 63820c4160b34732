// The status line's pace during the dictionary load, on a clock the test
// moves by hand.
#include "ui/common/StatusThrottle.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "detection/StatusTexts.h"

namespace {

using namespace std::chrono_literals;

std::string Count(int words) {
  return "Status do software: carregando dicion\xE1rios... " + std::to_string(words) +
         " palavras carregadas";
}

class StatusThrottleTest : public ::testing::Test {
 protected:
  std::vector<std::string> painted_;
  int flushRequests_ = 0;
  StatusThrottle::Clock::time_point now_{};
  StatusThrottle throttle_{[this](std::string_view text) { painted_.emplace_back(text); },
                           [this] { ++flushRequests_; }, [this] { return now_; }};
};

}  // namespace

TEST_F(StatusThrottleTest, StageTextsArePaintedAtOnceHoweverCloseTogether) {
  throttle_.Show(status_text::Segmenting);
  throttle_.Show(status_text::Scanning);
  throttle_.Show(status_text::WritingReports);
  EXPECT_EQ(painted_, (std::vector<std::string>{std::string(status_text::Segmenting),
                                                std::string(status_text::Scanning),
                                                std::string(status_text::WritingReports)}));
  EXPECT_EQ(flushRequests_, 0);
}

TEST_F(StatusThrottleTest, ACountWithinAFrameOfThePaintWaitsForTheWindowLoop) {
  throttle_.Show(status_text::LoadingDictionaries);
  now_ += 15ms;
  throttle_.Show(Count(1));
  throttle_.Show(Count(2));
  throttle_.Show(Count(3));
  EXPECT_EQ(painted_.size(), 1u);
  EXPECT_EQ(flushRequests_, 1);  // one request for the whole batch

  throttle_.Flush();
  EXPECT_EQ(painted_.back(), Count(3));
  throttle_.Flush();  // nothing waits any more
  EXPECT_EQ(painted_.size(), 2u);
}

TEST_F(StatusThrottleTest, ACountAFrameOrMoreAfterThePaintIsPaintedAtTheNextClockReading) {
  constexpr int Reading = StatusThrottle::CountsPerClockReading;
  throttle_.Show(Count(1));  // the first paint of all
  now_ += 5ms;
  for (int count = 2; count <= 1 + Reading; ++count) throttle_.Show(Count(count));
  EXPECT_EQ(painted_, (std::vector<std::string>{Count(1)}));  // read too early
  now_ += 11ms;                                               // a frame after the paint of 1
  for (int count = 2 + Reading; count < 1 + 2 * Reading; ++count) throttle_.Show(Count(count));
  EXPECT_EQ(painted_.size(), 1u);  // the clock was not read again yet
  throttle_.Show(Count(1 + 2 * Reading));
  EXPECT_EQ(painted_, (std::vector<std::string>{Count(1), Count(1 + 2 * Reading)}));
  throttle_.Flush();  // the counts before were passed by the one painted
  EXPECT_EQ(painted_.size(), 2u);
}

TEST_F(StatusThrottleTest, AWaitingCountIsPaintedBeforeTheNextStagesText) {
  throttle_.Show(status_text::LoadingDictionaries);
  throttle_.Show(Count(1));
  throttle_.Show(Count(2));
  throttle_.Show(status_text::Segmenting);
  EXPECT_EQ(painted_, (std::vector<std::string>{std::string(status_text::LoadingDictionaries),
                                                Count(2), std::string(status_text::Segmenting)}));
  throttle_.Flush();  // the request the count made finds nothing left
  EXPECT_EQ(painted_.size(), 3u);
}

TEST_F(StatusThrottleTest, AFlushRequestedEarlierIsRequestedAgainForTheNextBatch) {
  throttle_.Show(status_text::LoadingDictionaries);
  throttle_.Show(Count(1));
  throttle_.Flush();
  throttle_.Show(Count(2));
  EXPECT_EQ(flushRequests_, 2);
  throttle_.Flush();
  EXPECT_EQ(painted_.back(), Count(2));
}

TEST_F(StatusThrottleTest, TheFrameCountsFromTheEndOfThePaint) {
  StatusThrottle slow(
      [this](std::string_view text) {
        painted_.emplace_back(text);
        now_ += 20ms;  // a paint slower than a frame
      },
      [] {}, [this] { return now_; });
  slow.Show(Count(1));
  now_ += 1ms;
  for (int count = 2; count <= 1 + StatusThrottle::CountsPerClockReading; ++count) {
    slow.Show(Count(count));
  }
  EXPECT_EQ(painted_.size(), 1u);
}

TEST_F(StatusThrottleTest, OnlyTheLoadersCountWaitsNotATextThatMerelyResemblesIt) {
  throttle_.Show(status_text::LoadingDictionaries);
  throttle_.Show("Status do software: carregando dicion\xE1rios...  palavras carregadas");
  throttle_.Show("1 palavras carregadas");
  EXPECT_EQ(painted_.size(), 3u);
}
