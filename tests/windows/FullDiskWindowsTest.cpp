// A real full disk: drive R: is a small tmpfs that with-full-disk.sh mounts
// for this program, filled here until only the room a case needs is left.
// Every write of a run meets it in turn; after each failure no temporary
// file, no half report and no lost or doubled stored word remain, and the
// next run works.
#include <windows.h>

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>

#include <gtest/gtest.h>

#include "detection/DetectionRun.h"
#include "detection/SegmenterBridge.h"
#include "platform/FileError.h"
#include "platform/FileSystem.h"
#include "platform/TextFile.h"
#include "support/ErrorOf.h"
#include "support/RunFixture.h"
#include "support/TempDir.h"

using testing_support::CompletionFor;
using testing_support::ErrorOf;
using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

namespace {

const std::string SmallDisk = "R:\\";
// A tmpfs hands out its room in whole pages.
constexpr std::uint64_t Page = 4096;

std::uint64_t PagesFor(std::uint64_t bytes) { return (bytes + Page - 1) / Page * Page; }

std::uint64_t FreeBytes() {
  ULARGE_INTEGER available;
  if (!GetDiskFreeSpaceExW(L"R:\\", &available, nullptr, nullptr)) {
    throw std::runtime_error("no drive R: (run this program through with-full-disk.sh)");
  }
  return available.QuadPart;
}

// Fills the small disk until `room` bytes (whole pages) are left free.
class DiskFiller {
 public:
  explicit DiskFiller(std::uint64_t room) {
    std::uint64_t free = FreeBytes();
    if (free < room) throw std::runtime_error("the small disk is too small");
    WriteBytes(path_, std::string(free - room, 'x'));
    if (FreeBytes() != room) throw std::runtime_error("the small disk's room is not as asked");
  }
  ~DiskFiller() { std::filesystem::remove(path_); }
  DiskFiller(const DiskFiller&) = delete;
  DiskFiller& operator=(const DiskFiller&) = delete;

 private:
  std::string path_ = SmallDisk + "enchimento";
};

// A text of about `bytes` bytes that the shipped rules split into sentences.
std::string Prose(std::size_t bytes) {
  std::string text;
  while (text.size() < bytes) text += "Um blog novo de tuites e vlogs sem fim. ";
  return text;
}

std::size_t FilesIn(const std::string& folder) {
  return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder),
                                                std::filesystem::directory_iterator()));
}

class FullDiskRunTest : public testing_support::RunFixture {
 protected:
  FullDiskRunTest() : RunFixture(SmallDisk) {}
};

}  // namespace

TEST(FullDisk, AFileThatCannotBeCompletedFailsItsCloseAndIsReleased) {
  TempDir dir(SmallDisk);
  std::string path = dir / "relatorio.txt";
  DiskFiller filler(Page);
  platform::OutputFile file = platform::OutputFile::Create(path);
  file.Write(std::string(3 * Page, 'r'));  // held in the buffer until Close
  EXPECT_EQ(ErrorOf([&] { file.Close(); }), "I/O error 112");
  // Closed although its last write failed: nothing holds it any more.
  EXPECT_TRUE(platform::RemoveFile(path));
}

TEST_F(FullDiskRunTest, AFullDiskAtEachWriteEndsTheRunAndDamagesNothing) {
  WriteBytes(input_, Prose(20000));
  RunDetection(input_, false, false);  // reports of an earlier run
  std::string textReport = input_ + "_candidatos-neologismos.txt";
  std::string htmlReport = input_ + "_candidatos-neologismos.html";
  std::string oldText = ReadBytes(textReport);
  std::string oldHtml = ReadBytes(htmlReport);
  RunSegmenter(input_);
  std::uint64_t segmented = PagesFor(ReadBytes(input_ + ".seg").size());
  platform::RemoveFile(input_ + ".seg");
  platform::RemoveFile(input_ + "._frasor_ready_.tmp");
  // A user dictionary with a few bytes left in its last page, so that the
  // append of the run's new words is cut off midway.
  std::string user;
  while (user.size() < 2 * Page - 10) user += "palavraguardada\r\n";
  user.resize(2 * Page - 12);
  user += "\r\n";
  WriteBytes(userPath_, user);
  std::uint64_t reports = PagesFor(oldText.size()) + PagesFor(oldHtml.size());

  struct Stage {
    const char* write;
    std::uint64_t room;
    bool earlierReports;
  };
  // The new reports are the earlier ones again, so their room is known.
  const Stage stages[] = {
      {"the segmented text", Page, true},
      {"the first block of the reports", segmented + Page, true},
      {"the last block of the reports", segmented + reports - Page, true},
      // Without earlier reports, whose room the new ones would free.
      {"the user dictionary's append", segmented + reports, false},
  };
  for (const Stage& stage : stages) {
    if (!stage.earlierReports) {
      platform::RemoveFile(textReport);
      platform::RemoveFile(htmlReport);
    }
    {
      DiskFiller filler(stage.room);
      EXPECT_EQ(FailureOf(input_, true), "I/O error 112") << stage.write;
    }
    // The earlier reports as they were, or, where the store step met the
    // full disk, the new ones whole.
    EXPECT_TRUE(ReadBytes(textReport) == oldText) << stage.write;
    EXPECT_TRUE(ReadBytes(htmlReport) == oldHtml) << stage.write;
    EXPECT_TRUE(ReadBytes(userPath_) == user) << stage.write;  // neither cut nor grown
    ExpectNoTemporaryFilesOf(input_);
    EXPECT_EQ(FilesIn(texts_.Path()), 3u) << stage.write;  // the input and its two reports
  }
  EXPECT_EQ(RunDetection(input_, true, false), CompletionFor(input_));
  EXPECT_TRUE(ReadBytes(userPath_) == user + "blog\r\ntuites\r\ne\r\nvlogs\r\nsem\r\nfim\r\n");
}
