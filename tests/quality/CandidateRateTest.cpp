// The shipped dictionaries must leave few of a real text's words unknown:
// every word they miss is a false candidate the user has to read past.
#include <gtest/gtest.h>

#include "quality/CandidateRate.h"

TEST(ShippedDictionary, ReportsAtMostTwoPointSixPercentOfWebTextTokens) {
  quality::CandidateRate rate = quality::MeasureCandidateRate(quality::BuildPaths(), 20);
  ASSERT_GT(rate.tokens, 100000u);
  std::string top;
  for (const auto& [term, count] : rate.mostReported)
    top += term + " " + std::to_string(count) + ", ";
  EXPECT_LE(rate.Percent(), 2.6) << rate.candidates << " of " << rate.tokens
                                 << " tokens reported; most reported: " << top;
}
