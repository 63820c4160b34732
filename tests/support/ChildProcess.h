// Runs part of a test in a forked child, for conditions that must not touch
// the test process itself: lost privileges, a full disk, exhausted limits.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include <sys/types.h>

namespace testing_support {

// Runs `body` in a child process and returns its exit status; -1 when the
// child did not exit normally.
int RunInChild(const std::function<int()>& body);

// As RunInChild, in a child that has no privileges over files it does not
// own (as root, the child becomes "nobody"), so permission tests run the
// same way for root and for other users.
int RunUnprivileged(const std::function<int()>& body);

// As RunInChild, in a child whose files cannot grow past `bytes`: a write
// beyond fails as on a full disk (EFBIG) instead of ending the child.
int RunWithFileSizeLimit(std::uint64_t bytes, const std::function<int()>& body);

// A process whose parent is this one, as /proc shows it.
struct ChildState {
  pid_t pid;
  std::string name;  // the program's name, in parentheses
  char state;        // 'R', 'S', 'Z' for a zombie...
};

std::vector<ChildState> ChildrenOfThisProcess();

}  // namespace testing_support
