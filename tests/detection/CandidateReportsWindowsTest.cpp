// Reports that another program holds open, as a spreadsheet holds the file
// it shows: reading it and letting others only read it.
#include <windows.h>

#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "detection/ReportsFixture.h"
#include "platform/FileError.h"
#include "platform/win32/WideText.h"

namespace {

class HeldFile {
 public:
  explicit HeldFile(const std::string& path)
      : handle_(CreateFileW(platform::win32::WidePath(path).c_str(), GENERIC_READ, FILE_SHARE_READ,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)) {}
  ~HeldFile() { CloseHandle(handle_); }
  HeldFile(const HeldFile&) = delete;
  HeldFile& operator=(const HeldFile&) = delete;
  bool Held() const { return handle_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE handle_;
};

using ReportsWindowsTest = ReportsTest;

}  // namespace

TEST_F(ReportsWindowsTest, AReportThatCannotBeReplacedFailsTheRunAndBothOldReportsStay) {
  AddCandidate("blog", std::make_shared<const std::string>("Um blog. "));
  for (const char* held : {"_candidatos-neologismos.txt", "_candidatos-neologismos.html"}) {
    WriteBytes(input_ + "_candidatos-neologismos.txt", "antigo txt");
    WriteBytes(input_ + "_candidatos-neologismos.html", "antigo html");
    {
      HeldFile spreadsheet(input_ + held);
      ASSERT_TRUE(spreadsheet.Held());
      try {
        WriteCandidateFiles(input_);
        ADD_FAILURE() << "replaced " << held << " while another program held it";
      } catch (const platform::FileError& error) {
        EXPECT_STREQ(error.what(), "I/O error 32") << held;
      }
    }
    EXPECT_EQ(TextReport(), "antigo txt") << held;
    EXPECT_EQ(HtmlReport(), "antigo html") << held;
    EXPECT_EQ(FilesIn(dir_.Path()).size(), 2u) << held;  // no temporary file
  }
  // A report marked read-only cannot be replaced either.
  std::wstring html = platform::win32::WidePath(input_ + "_candidatos-neologismos.html");
  ASSERT_TRUE(SetFileAttributesW(html.c_str(), FILE_ATTRIBUTE_READONLY));
  try {
    WriteCandidateFiles(input_);
    ADD_FAILURE() << "replaced a read-only report";
  } catch (const platform::FileError& error) {
    EXPECT_STREQ(error.what(), "File access denied");
  }
  SetFileAttributesW(html.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(TextReport(), "antigo txt");
  EXPECT_EQ(FilesIn(dir_.Path()).size(), 2u);

  // Once let go, both are replaced.
  WriteCandidateFiles(input_);
  EXPECT_EQ(TextReport(), TextHeader + "blog; N\xE3o; Um blog. \r\n");
  EXPECT_EQ(FilesIn(dir_.Path()).size(), 2u);
}
