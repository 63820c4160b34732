// Whole runs through RunDetection, with the real segmenter installed in a
// temporary application folder.
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "detection/AppState.h"
#include "detection/CandidateList.h"
#include "detection/DetectionRun.h"
#include "detection/StatusLine.h"
#include "detection/StatusTexts.h"
#include "dictionary/DictionaryFiles.h"
#include "platform/FileError.h"
#include "platform/FileSystem.h"
#include "support/CurrentFolder.h"
#include "support/ExpectedReports.h"
#include "support/RunFixture.h"
#include "support/TempDir.h"

using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

namespace {

const std::string& TextHeader = testing_support::TextReportHeader;
const std::string Count = "Status do software: carregando dicion\xE1rios... ";

using DetectionRunTest = testing_support::RunFixture;
using testing_support::CompletionFor;

}  // namespace

TEST_F(DetectionRunTest, ARunWritesTheReportsAndShowsEveryStage) {
  WriteBytes(input_, "O blog novo.\nUm Tuiteiro de Lisboa.\n");
  std::string message = RunDetection(input_, false, false);
  EXPECT_EQ(message, CompletionFor(input_));
  EXPECT_EQ(ReadBytes(input_ + "_candidatos-neologismos.txt"),
            TextHeader +
                "blog; N\xE3o; O blog novo. \r\n"
                "Tuiteiro; Talvez; Um Tuiteiro de Lisboa. \r\n"
                "Lisboa; Talvez; Um Tuiteiro de Lisboa. \r\n");
  std::vector<std::string> expected = {std::string(status_text::LoadingDictionaries)};
  for (int i = 1; i <= 4; ++i)
    expected.push_back(Count + std::to_string(i) + " palavras carregadas");
  for (std::string_view stage :
       {status_text::Segmenting, status_text::Scanning, status_text::WritingReports,
        status_text::Storing, status_text::Finishing, status_text::Idle}) {
    expected.emplace_back(stage);
  }
  EXPECT_EQ(statuses_, expected);
  ExpectNoTemporaryFilesOf(input_);
  EXPECT_EQ(ReadBytes(userPath_), "");  // not stored
}

TEST_F(DetectionRunTest, DashesWrittenAgainstWordsAreLeftOutOfTheReportedWords) {
  WriteBytes(input_, "O blog -novo- de um -- blog-a--.\n");
  ASSERT_EQ(RunDetection(input_, true, false), CompletionFor(input_));
  const std::string sentence = "O blog -novo- de um -- blog-a--. ";
  EXPECT_EQ(ReadBytes(input_ + "_candidatos-neologismos.txt"),
            TextHeader + "blog; N\xE3o; " + sentence + "\r\nblog-a; N\xE3o; " + sentence + "\r\n");
  EXPECT_EQ(ReadBytes(userPath_), "blog\r\nblog-a\r\n");
}

TEST_F(DetectionRunTest, RelativeNamesAndNamesWithBlanksAndAccentsWork) {
  std::string name = "an\xE1lise de dados.txt";  // Windows-1252 bytes, as the window passes them
  WriteBytes(app_ / name, "Um neologismo.\n");
  std::string message = RunDetection(name, false, false);
  EXPECT_EQ(message, CompletionFor(name));
  EXPECT_EQ(ReadBytes(app_ / (name + "_candidatos-neologismos.txt")),
            TextHeader + "neologismo; N\xE3o; Um neologismo. \r\n");
  ExpectNoTemporaryFilesOf(app_ / name);
}

TEST_F(DetectionRunTest, TheMainDictionaryIsReadOnceAndTheUserOneAtEveryRun) {
  WriteBytes(input_, "Um texto.\n");
  RunDetection(input_, false, false);
  EXPECT_EQ(statuses_[4], Count + "4 palavras carregadas");

  WriteBytes(userPath_, "texto\r\n");
  statuses_.clear();
  RunDetection(input_, false, true);
  ASSERT_GE(statuses_.size(), 3u);
  EXPECT_EQ(statuses_[1], Count + "1 palavras carregadas");
  EXPECT_EQ(statuses_[2], status_text::Segmenting);
  EXPECT_EQ(ReadBytes(input_ + "_candidatos-neologismos.txt"), TextHeader);
}

TEST_F(DetectionRunTest, StoredWordsAreIgnoredOnRequestAndNeverStoredTwice) {
  WriteBytes(input_, "O blog e o Vlog.\n");
  RunDetection(input_, true, false);
  EXPECT_EQ(ReadBytes(userPath_), "blog\r\ne\r\nVlog\r\n");

  RunDetection(input_, true, true);  // nothing new: nothing reported, nothing stored
  EXPECT_EQ(ReadBytes(input_ + "_candidatos-neologismos.txt"), TextHeader);
  RunDetection(input_, true, false);  // reported again, still not stored twice
  EXPECT_EQ(ReadBytes(userPath_), "blog\r\ne\r\nVlog\r\n");
  EXPECT_NE(ReadBytes(input_ + "_candidatos-neologismos.txt"), TextHeader);

  // A word added by hand is held from the next run on.
  WriteBytes(texts_ / "outro.txt", "O podcast.\n");
  WriteBytes(userPath_, ReadBytes(userPath_) + "podcast\r\n");
  RunDetection(texts_ / "outro.txt", false, true);
  EXPECT_EQ(ReadBytes(texts_ / "outro.txt_candidatos-neologismos.txt"), TextHeader);
}

TEST_F(DetectionRunTest, AMissingMainDictionaryFailsAndTheNextRunReadsIt) {
  WriteBytes(input_, "Um blog.\n");
  std::filesystem::rename(mainPath_, app_ / "guardado.txt");
  EXPECT_EQ(FailureOf(input_), "File not found");
  EXPECT_EQ(statuses_.back(), status_text::LoadingDictionaries);
  EXPECT_FALSE(MainDictionaryLoaded);

  std::filesystem::rename(app_ / "guardado.txt", mainPath_);
  EXPECT_EQ(RunDetection(input_, false, false), CompletionFor(input_));
  EXPECT_TRUE(MainDictionaryLoaded);
}

TEST_F(DetectionRunTest, AMissingDictionaryFolderIsAnInvalidFilename) {
  WriteBytes(input_, "Um blog.\n");
  std::filesystem::rename(app_ / "dicionarios", app_ / "guardados");
  EXPECT_EQ(FailureOf(input_), "Invalid filename");
  std::filesystem::rename(app_ / "guardados", app_ / "dicionarios");
  EXPECT_EQ(RunDetection(input_, false, false), CompletionFor(input_));
}

TEST_F(DetectionRunTest, AppDirIsTheFolderCurrentAtStartUp) {
  EXPECT_EQ(AppDir, app_.Path());
  testing_support::CurrentFolderScope inTexts(texts_.Path());
  WriteBytes(input_, "Um blog.\n");
  EXPECT_EQ(RunDetection("artigo.txt", false, false), CompletionFor("artigo.txt"));
  EXPECT_EQ(AppDir, app_.Path());
  EXPECT_TRUE(platform::FileExists(input_ + "_candidatos-neologismos.html"));
}

TEST_F(DetectionRunTest, ANameHoldingANulEndsTheRunAtOnceAndTouchesNoFile) {
  // Cut at the NUL, the name is the text itself, and its readiness-file
  // name too: nothing may be deleted, created or started (a segmenter
  // started would write its .seg).
  WriteBytes(input_, "Um blog.\n");
  std::string withNul = input_ + std::string(1, '\0') + ".bak";
  EXPECT_EQ(FailureOf(withNul, true), "Invalid filename");
  EXPECT_EQ(ReadBytes(input_), "Um blog.\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(texts_.Path()),
                          std::filesystem::directory_iterator()),
            1);
  EXPECT_TRUE(statuses_.empty());
  EXPECT_EQ(ReadBytes(userPath_), "");
  EXPECT_EQ(CandidateList.Head, nullptr);
}
