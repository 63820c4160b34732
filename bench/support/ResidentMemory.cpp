#include "support/ResidentMemory.h"

#include <unistd.h>

#include <cstdio>

namespace bench_support {

std::size_t ResidentBytes() {
  std::FILE* statm = std::fopen("/proc/self/statm", "r");
  unsigned long size = 0, resident = 0;
  if (statm != nullptr) {
    if (std::fscanf(statm, "%lu %lu", &size, &resident) != 2) resident = 0;
    std::fclose(statm);
  }
  return resident * static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
}

}  // namespace bench_support
