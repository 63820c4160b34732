// The error box's text: the full stop and the message of exhausted memory.
#include "ui/common/FailureText.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

#include "platform/FileError.h"

TEST(FailureTextTest, AMessageEndingAfterTheFullStopInByteOrderGetsOne) {
  EXPECT_EQ(WithFullStop("File not found"), "File not found.");
  EXPECT_EQ(WithFullStop("I/O error 32"), "I/O error 32.");
  EXPECT_EQ(WithFullStop("erro em /"), "erro em /.");
  EXPECT_EQ(WithFullStop("caf\xE9"), "caf\xE9.");  // a byte above 127 comes after "."
}

TEST(FailureTextTest, AMessageEndingInTheFullStopOrBeforeItKeepsItsEnd) {
  EXPECT_EQ(WithFullStop("Pronto."), "Pronto.");
  EXPECT_EQ(WithFullStop("Pare!"), "Pare!");
  EXPECT_EQ(WithFullStop("(nada)"), "(nada)");
  EXPECT_EQ(WithFullStop("a-"), "a-");
  EXPECT_EQ(WithFullStop(""), "");
}

TEST(FailureTextTest, AFileErrorShowsItsMessageWithTheFullStop) {
  platform::FileError missing(platform::FileErrorKind::FileNotFound, 2);
  EXPECT_EQ(FailureText(missing), "File not found.");
  EXPECT_EQ(FailureText(platform::FileError::InvalidName()), "Invalid filename.");
  EXPECT_EQ(FailureText(platform::FileError(platform::FileErrorKind::Other, 32)), "I/O error 32.");
}

TEST(FailureTextTest, ExhaustedMemoryShowsOutOfMemoryWhateverItsOwnMessage) {
  EXPECT_EQ(FailureText(std::bad_alloc()), "Out of memory.");
  EXPECT_EQ(FailureText(std::bad_array_new_length()), "Out of memory.");
  EXPECT_EQ(FailureText(std::runtime_error("Pare!")), "Pare!");
}
