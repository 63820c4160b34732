// The bridge with the real segmenter: names reach it as they are, and its
// failures come back as the system's own errors.
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "detection/SegmenterBridgeFixture.h"
#include "platform/FileSystem.h"
#include "support/CurrentFolder.h"
#include "support/TempDir.h"

using testing_support::ReadBytes;
using testing_support::WriteBytes;

TEST_F(SegmenterBridgeTest, RunsTheRealSegmenterOnANameWithSpaces) {
  InstallRealSegmenter();
  std::string input = texts_ / "um texto.txt";
  WriteBytes(input, "Primeira frase. Segunda frase.");
  RunSegmenter(input);
  EXPECT_EQ(ReadBytes(input + ".seg"), "Primeira frase.\r\nSegunda frase.\r\n");
  EXPECT_TRUE(platform::FileExists(input + "._frasor_ready_.tmp"));
}

TEST_F(SegmenterBridgeTest, PassesARelativeNameUnchanged) {
  InstallRealSegmenter();
  WriteBytes(texts_ / "artigo.txt", "Uma frase.");
  testing_support::CurrentFolderScope inTexts(texts_.Path());
  RunSegmenter("artigo.txt");
  EXPECT_EQ(ReadBytes(texts_ / "artigo.txt.seg"), "Uma frase.\r\n");
}

TEST_F(SegmenterBridgeTest, TheRealSegmentersFailuresReadAsTheirOwnErrors) {
  InstallRealSegmenter();
  EXPECT_STREQ(RunError(texts_ / "ausente.txt").what(), "File not found");
  EXPECT_STREQ(RunError(texts_ / "sem pasta/texto.txt").what(), "Invalid filename");
  // A folder where the segmented text goes.
  WriteBytes(texts_ / "texto.txt", "Uma frase.");
  std::filesystem::create_directory(texts_ / "texto.txt.seg");
  EXPECT_STREQ(RunError(texts_ / "texto.txt").what(), "File access denied");
}
