// The process's memory as the system counts it, for the Linux benchmarks.
#pragma once

#include <cstddef>

namespace bench_support {

// The process's resident memory in bytes.
std::size_t ResidentBytes();

}  // namespace bench_support
