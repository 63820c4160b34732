// The shipped dictionaries must leave few of a real text's words unknown:
// every word they miss is a false candidate the user has to read past.
#include <gtest/gtest.h>

#include "quality/CandidateRate.h"

TEST(ShippedDictionary, ReportsAtMostTwoPercentOfWebTextTokens) {
  quality::CandidateRate rate = quality::MeasureCandidateRate(quality::BuildPaths(), 20);
  ASSERT_GT(rate.tokens, 100000u);
  std::string top;
  for (const auto& [term, count] : rate.mostReported)
    top += term + " " + std::to_string(count) + ", ";
  EXPECT_LE(rate.Percent(), 2.0) << rate.candidates << " of " << rate.tokens
                                 << " tokens reported; most reported: " << top;
  // Lower-case candidates are mostly English loans and typing errors, which
  // stay reported; standard words among them would push this share up.
  EXPECT_LE(rate.LowerCasePercent(), 0.35)
      << rate.lowerCaseCandidates << " of " << rate.tokens << " tokens reported in lower case";
}
