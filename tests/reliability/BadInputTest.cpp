// Inputs a user may well give: each run ends with correct reports or with
// one clear file error, never a crash, a hang or a damaged dictionary.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "detection/DetectionRun.h"
#include "detection/WordChars.h"
#include "platform/FileError.h"
#include "platform/FileSystem.h"
#include "support/ChildProcess.h"
#include "support/ExpectedReports.h"
#include "support/RunFixture.h"

using testing_support::CompletionFor;
using testing_support::RandomBytes;
using testing_support::ReadBytes;
using testing_support::WriteBytes;

namespace {

class BadInputTest : public testing_support::RunFixture {
 protected:
  // Runs on `input`, storing new words, and checks that what the run left is
  // sound: well-formed reports, a user dictionary of whole word lines only,
  // no temporary files. Returns the run's error message, or "" on success.
  std::string RunAndCheck(const std::string& input) {
    std::string error;
    try {
      EXPECT_EQ(RunDetection(input, true, false), CompletionFor(input));
      ExpectWellFormedReports(input);
    } catch (const platform::FileError& failure) {
      error = failure.what();
    }
    ExpectNoTemporaryFilesOf(input);
    ExpectWholeWordLines(ReadBytes(userPath_));
    return error;
  }

  static void ExpectWellFormedReports(const std::string& input) {
    std::string text = ReadBytes(input + "_candidatos-neologismos.txt");
    std::string html = ReadBytes(input + "_candidatos-neologismos.html");
    ASSERT_EQ(text.rfind(testing_support::TextReportHeader, 0), 0u);
    ASSERT_EQ(html.rfind(testing_support::HtmlReportHeader, 0), 0u);
    EXPECT_TRUE(html.ends_with(testing_support::HtmlReportFooter));
    std::size_t rows = 0;
    for (std::size_t at = text.find(" \r\n"); at != std::string::npos;
         at = text.find(" \r\n", at + 1))
      ++rows;
    std::size_t htmlRows = 0;
    for (std::size_t at = html.find("</td></tr>\r\n"); at != std::string::npos;
         at = html.find("</td></tr>\r\n", at + 1)) {
      ++htmlRows;
    }
    EXPECT_EQ(htmlRows, rows + 1);  // the header row ends the same way
  }

  // Every stored line is a word the scanner could have found, ended by CR LF.
  static void ExpectWholeWordLines(const std::string& dictionary) {
    std::size_t start = 0;
    while (start < dictionary.size()) {
      std::size_t end = dictionary.find("\r\n", start);
      ASSERT_NE(end, std::string::npos) << "a line without CR LF at byte " << start;
      ASSERT_GT(end, start) << "an empty line at byte " << start;
      for (std::size_t i = start; i < end; ++i) {
        ASSERT_TRUE(IsWordChar(static_cast<unsigned char>(dictionary[i]))) << "byte " << i;
      }
      start = end + 2;
    }
  }
};

}  // namespace

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

TEST_F(BadInputTest, NamesAsLongAsTheirReportsAllowWorkAndLongerOnesFail) {
  // The HTML report's name is the input's and 28 bytes, at most 255 in all.
  std::string longest = "t\xC3\xADtulo ";
  while (longest.size() < 227) longest += 'x';
  WriteBytes(texts_ / longest, "Um blog novo.\n");
  EXPECT_EQ(RunAndCheck(texts_ / longest), "");

  std::string tooLong = longest + "x";
  WriteBytes(texts_ / tooLong, "Um blog novo.\n");
  EXPECT_EQ(RunAndCheck(texts_ / tooLong), "I/O error 36");  // ENAMETOOLONG
  // Its text report's name fits, but it is not written beside no HTML report.
  EXPECT_FALSE(platform::FileExists(texts_ / (tooLong + "_candidatos-neologismos.txt")));
  EXPECT_FALSE(platform::FileExists(texts_ / (tooLong + "_candidatos-neologismos.html")));
}

TEST_F(BadInputTest, ANameWithADoubleQuoteIsAnOrdinaryName) {
  std::string name = texts_ / "cita\xC3\xA7\xC3\xA3o \"x\".txt";
  WriteBytes(name, "Um blog.\n");
  EXPECT_EQ(RunAndCheck(name), "");
  EXPECT_NE(ReadBytes(name + "_candidatos-neologismos.txt").find("blog; N\xE3o; Um blog. "),
            std::string::npos);
}

TEST_F(BadInputTest, MissingUnreadableAndFolderInputsAreFileErrors) {
  EXPECT_EQ(RunAndCheck(texts_ / "ausente.txt"), "File not found");
  EXPECT_EQ(RunAndCheck(texts_ / "pasta/ausente.txt"), "Invalid filename");
  std::filesystem::create_directories(texts_ / "pasta.txt");
  EXPECT_EQ(RunAndCheck(texts_ / "pasta.txt"), "File access denied");

  WriteBytes(input_, "Um blog.\n");
  chmod(input_.c_str(), 0);
  int unreadable = testing_support::RunUnprivileged(
      [&] { return RunAndCheck(input_) == "File access denied" && !HasFailure() ? 0 : 1; });
  EXPECT_EQ(unreadable, 0);
  chmod(input_.c_str(), 0644);

  // A text in a folder where nothing can be written.
  ASSERT_EQ(chmod(texts_.Path().c_str(), 0555), 0);
  int readOnlyFolder = testing_support::RunUnprivileged(
      [&] { return RunAndCheck(input_) == "File access denied" && !HasFailure() ? 0 : 1; });
  ASSERT_EQ(chmod(texts_.Path().c_str(), 0755), 0);
  EXPECT_EQ(readOnlyFolder, 0);
  EXPECT_EQ(RunAndCheck(input_), "");  // and the next run works
}

TEST_F(BadInputTest, APipeIsRefusedWithoutWaitingForAWriter) {
  std::string pipe = texts_ / "pipe.txt";
  ASSERT_EQ(mkfifo(pipe.c_str(), 0644), 0);
  int status = testing_support::RunInChild([&] {
    alarm(20);  // ends a run that hangs
    return RunAndCheck(pipe) == "File access denied" && !HasFailure() ? 0 : 1;
  });
  // Frees a segmenter left waiting on the pipe by a run that hung.
  int writer = open(pipe.c_str(), O_WRONLY | O_NONBLOCK);
  if (writer >= 0) close(writer);
  EXPECT_EQ(status, 0);
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
