// Inputs a user may well give: each run ends with correct reports or with
// one clear file error, never a crash, a hang or a damaged dictionary.
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "detection/DetectionRun.h"
#include "platform/FileSystem.h"
#include "reliability/BadInputFixture.h"
#include "support/ExpectedReports.h"
#include "support/TempDir.h"

using testing_support::CompletionFor;
using testing_support::RandomBytes;
using testing_support::ReadBytes;
using testing_support::WriteBytes;

TEST_F(BadInputTest, EmptyAndBlankFilesGiveEmptyReports) {
  for (const char* content : {"", "   \r\n\t\t\n\n  \r"}) {
    WriteBytes(input_, content);
    EXPECT_EQ(RunAndCheck(input_), "");
    EXPECT_EQ(ReadBytes(input_ + "_candidatos-neologismos.txt"), testing_support::TextReportHeader);
  }
}

TEST_F(BadInputTest, BinaryFilesGiveReportsOfWhatLooksLikeWords) {
  WriteBytes(input_, RandomBytes(1 << 20, 7));
  EXPECT_EQ(RunAndCheck(input_), "");

  std::string png = "\x89PNG\r\n\x1A\n" + RandomBytes(200000, 11);
  WriteBytes(texts_ / "imagem.png", png);
  EXPECT_EQ(RunAndCheck(texts_ / "imagem.png"), "");

  std::filesystem::copy_file(LEXAVIA_FRASOR, texts_ / "programa");
  EXPECT_EQ(RunAndCheck(texts_ / "programa"), "");
}

TEST_F(BadInputTest, BrokenEncodingsAreReadAsFarAsTheyGo) {
  WriteBytes(input_, "Um caf\xC3\xA9 e um caf\xC3 \xFF\xFEquebrado.\n");  // invalid UTF-8
  EXPECT_EQ(RunAndCheck(input_), "");
  // UTF-16 LE with a lone high surrogate before "novo".
  std::string utf16 = "\xFF\xFE";
  for (char c : std::string("Um blog ")) utf16 += std::string{c, '\0'};
  utf16 += "\x3D\xD8";
  for (char c : std::string("novo.\n")) utf16 += std::string{c, '\0'};
  WriteBytes(input_, utf16);
  EXPECT_EQ(RunAndCheck(input_), "");
  EXPECT_NE(ReadBytes(input_ + "_candidatos-neologismos.txt").find("blog; N\xE3o; Um blog ?novo. "),
            std::string::npos);
}

TEST_F(BadInputTest, UnusualFileNamesWork) {
  for (std::string name : {"um nome com espa\xC3\xA7os.txt",
                           "-come\xC3\xA7"
                           "a com tra\xC3\xA7o.txt",
                           "ponto;e;v\xC3\xADrgula.txt", " espa\xC3\xA7o antes"}) {
    WriteBytes(app_ / name, "Um blog novo.\n");
    EXPECT_EQ(RunAndCheck(name), "") << name;  // relative, in the current folder
    EXPECT_TRUE(platform::FileExists(app_ / (name + "_candidatos-neologismos.html"))) << name;
  }
}

TEST_F(BadInputTest, MissingAndFolderInputsAreFileErrors) {
  EXPECT_EQ(RunAndCheck(texts_ / "ausente.txt"), "File not found");
  EXPECT_EQ(RunAndCheck(texts_ / "pasta/ausente.txt"), "Invalid filename");
  std::filesystem::create_directories(texts_ / "pasta.txt");
  EXPECT_EQ(RunAndCheck(texts_ / "pasta.txt"), "File access denied");
}

TEST_F(BadInputTest, AVeryLargeTextIsProcessedWhole) {
  std::string sentence = "O novo de um novo, o de um. ";
  std::string text;
  text.reserve(200'000'000 + 1000);
  std::size_t blogs = 0;
  for (int i = 0; text.size() < 200'000'000; ++i) {
    if (i % 50 == 0) {
      text += "Um blog novo. ";
      ++blogs;
    } else {
      text += sentence;
    }
  }
  WriteBytes(input_, text);
  EXPECT_EQ(RunAndCheck(input_), "");
  std::string report = ReadBytes(input_ + "_candidatos-neologismos.txt");
  std::size_t rows = 0;
  for (std::size_t at = report.find("\r\nblog; "); at != std::string::npos;
       at = report.find("\r\nblog; ", at + 1)) {
    ++rows;
  }
  EXPECT_EQ(rows, blogs);
}

TEST_F(BadInputTest, AHugeLineWithoutPunctuationGivesBoundedSentences) {
  std::string text;
  text.reserve(50'000'000 + 100);
  for (int i = 0; text.size() < 50'000'000; ++i) text += i % 1000 == 0 ? "blog " : "o novo de um ";
  WriteBytes(input_, text);
  EXPECT_EQ(RunAndCheck(input_), "");
  std::string report = ReadBytes(input_ + "_candidatos-neologismos.txt");
  // Every candidate's sentence is a bounded piece of the line, not all of it.
  EXPECT_LT(report.size(), 100'000'000u);
  EXPECT_NE(report.find("\r\nblog; N\xE3o; "), std::string::npos);
}

TEST_F(BadInputTest, OddDictionaryFilesLoadAsTheirLinesSay) {
  std::string longEntry(40000, 'x');
  WriteBytes(mainPath_, "\xEF\xBB\xBFprimeira\rblog\r" + longEntry +
                            "\rnovo\x1A"
                            "depois\r\n");
  WriteBytes(userPath_, "tuitar");  // no line break at its end
  WriteBytes(input_, "Um blog novo e tuitar depois de " + longEntry + " primeira vlogar.\n");
  EXPECT_EQ(RunAndCheck(input_), "");
  std::string report = ReadBytes(input_ + "_candidatos-neologismos.txt");
  for (const char* reported : {"\r\nUm;", "\r\ne;", "\r\ntuitar;", "\r\ndepois;", "\r\nde;",
                               "\r\nprimeira;", "\r\nvlogar;"}) {
    EXPECT_NE(report.find(reported), std::string::npos) << reported;
  }
  EXPECT_EQ(report.find("\r\nblog;"), std::string::npos);
  EXPECT_EQ(report.find("\r\nnovo;"), std::string::npos);
  EXPECT_EQ(report.find("\r\n" + longEntry + ";"), std::string::npos);
  EXPECT_EQ(ReadBytes(userPath_).rfind("tuitar\r\nUm\r\n", 0), 0u);
}
