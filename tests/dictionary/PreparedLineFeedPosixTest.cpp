// A failure of the reading thread, here memory running out on an endless line.
#include <sys/resource.h>
#include <unistd.h>

#include <fstream>
#include <new>
#include <span>
#include <string>

#include <gtest/gtest.h>

#include "dictionary/PreparedLineFeed.h"
#include "support/ChildProcess.h"
#include "support/TempDir.h"

namespace {

// The address space this process uses now, from /proc.
rlim_t AddressSpaceInUse() {
  std::ifstream statm("/proc/self/statm");
  unsigned long long pages = 0;
  statm >> pages;
  return static_cast<rlim_t>(pages) * static_cast<rlim_t>(sysconf(_SC_PAGESIZE));
}

TEST(PreparedLineFeedPosix, LinesReadBeforeAFailureComeFirstThenTheFailure) {
#ifdef __SANITIZE_ADDRESS__
  GTEST_SKIP() << "AddressSanitizer's own allocator fails under an address-space limit";
#endif
  testing_support::TempDir dir;
  std::string path = dir / "dicionario.txt";
  // Two lines, then a line of 256 MiB of zero bytes that takes no disk.
  testing_support::WriteBytes(path, "alfa\r\nbeta\r\n");
  ASSERT_EQ(truncate(path.c_str(), 256 << 20), 0);

  int status = testing_support::RunInChild([&] {
    platform::LineReader reader(path);
    rlimit limit{AddressSpaceInUse() + (64 << 20), RLIM_INFINITY};
    if (setrlimit(RLIMIT_AS, &limit) != 0) return 3;
    std::string words;
    try {
      PreparedLineFeed feed(reader);
      for (std::span<const PreparedWord> lines = feed.Next(); !lines.empty(); lines = feed.Next()) {
        for (const PreparedWord& line : lines) words += line.folded + " ";
      }
    } catch (const std::bad_alloc&) {
      return words == "alfa beta " ? 0 : 1;
    }
    return 2;
  });
  EXPECT_EQ(status, 0);
}

}  // namespace
