// Whole runs, the real segmenter included, on inputs whose paths come near
// and go past the 260 characters that once bounded a Windows path.
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

#include "detection/DetectionRun.h"
#include "platform/win32/WideText.h"
#include "support/ExpectedReports.h"
#include "support/RunFixture.h"

using testing_support::CompletionFor;

namespace {

using LongPathRunTest = testing_support::RunFixture;

// The whole file at `path`, read past any length limit.
std::string ReadLong(const std::string& path) {
  std::ifstream in(std::filesystem::path(platform::win32::ExtendedPath(path)), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteLong(const std::string& path, const std::string& bytes) {
  std::ofstream out(std::filesystem::path(platform::win32::ExtendedPath(path)), std::ios::binary);
  out << bytes;
}

// The number of files in `folder`, counted by the system itself: the C
// runtime's listing of a folder stops at 260 characters.
std::size_t FilesIn(const std::string& folder) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((platform::win32::ExtendedPath(folder) + L"\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return 0;
  std::size_t files = 0;
  do {
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) ++files;
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return files;
}

}  // namespace

TEST_F(LongPathRunTest, InputsNearAndPastTheOldLimitGetBothReportsAndLeaveNothingElse) {
  // 225 to 231: the reports fit in 260, their old temporary names did not.
  for (std::size_t length : {225u, 231u, 240u, 300u}) {
    std::string folder = texts_.Path() + "\\" + std::to_string(length);
    while (folder.size() + 1 + 100 + 11 < length) folder += "\\" + std::string(100, 'p');
    folder += "\\" + std::string(length - folder.size() - 12, 'q');
    std::filesystem::create_directories(
        std::filesystem::path(platform::win32::ExtendedPath(folder)));
    std::string input = folder + "\\artigo.txt";
    ASSERT_EQ(input.size(), length);
    WriteLong(input, "O blog novo.\n");

    EXPECT_EQ(RunDetection(input, false, false), CompletionFor(input)) << length;
    EXPECT_EQ(ReadLong(input + "_candidatos-neologismos.txt"),
              testing_support::TextReportHeader + "blog; N\xE3o; O blog novo. \r\n")
        << length;
    EXPECT_EQ(ReadLong(input + "_candidatos-neologismos.html"),
              testing_support::HtmlReportHeader +
                  "<tr><td>blog</td><td>N\xE3o</td><td>O blog novo. </td></tr>\r\n" +
                  testing_support::HtmlReportFooter)
        << length;
    EXPECT_EQ(FilesIn(folder), 3u) << length;  // the input and its two reports
  }
}

TEST_F(LongPathRunTest, SlashesAndDotsInALongPathKeepTheirMeaning) {
  std::string folder = texts_.Path() + "\\" + std::string(150, 'r');
  std::filesystem::create_directories(std::filesystem::path(platform::win32::ExtendedPath(folder)));
  std::string input = texts_.Path() + "/" + std::string(150, 'r') + "/../" + std::string(150, 'r') +
                      "/./artigo.txt";
  WriteLong(folder + "\\artigo.txt", "O blog novo.\n");
  EXPECT_EQ(RunDetection(input, false, false), CompletionFor(input));
  EXPECT_EQ(ReadLong(folder + "\\artigo.txt_candidatos-neologismos.txt"),
            testing_support::TextReportHeader + "blog; N\xE3o; O blog novo. \r\n");
  ExpectNoTemporaryFilesOf(folder + "\\artigo.txt");
}
