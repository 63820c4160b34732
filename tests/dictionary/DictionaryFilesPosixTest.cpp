// A user dictionary on a full disk.
#include <string>

#include <gtest/gtest.h>

#include "dictionary/DictionaryFilesFixture.h"
#include "support/ChildProcess.h"

using DictionaryFilesPosixTest = DictionaryFilesTest;

TEST_F(DictionaryFilesPosixTest, AFailedAppendLeavesFileAndTableAsTheyWere) {
  WriteUser("blog\r\n");
  Candidates({"tuitar", "blogueiro", "vlogar"});
  // Room for part of the block only.
  int status = testing_support::RunWithFileSizeLimit(16, [] {
    try {
      StoreCandidates(true);
    } catch (const platform::FileError& error) {
      bool tableUnchanged = WordOrigin("tuitar") == 0 && WordOrigin("vlogar") == 0;
      return std::string(error.what()).rfind("I/O error ", 0) == 0 && tableUnchanged ? 0 : 1;
    }
    return 2;
  });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(ReadBytes(userPath_), "blog\r\n");
}
