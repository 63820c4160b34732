#include "support/ChildProcess.h"

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace testing_support {

int RunInChild(const std::function<int()>& body) {
  pid_t child = fork();
  if (child < 0) throw std::runtime_error("fork failed");
  if (child == 0) _exit(body());
  int status = 0;
  if (waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

int RunUnprivileged(const std::function<int()>& body) {
  return RunInChild([&] {
    if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) return 120;
    return body();
  });
}

int RunWithFileSizeLimit(std::uint64_t bytes, const std::function<int()>& body) {
  return RunInChild([&] {
    signal(SIGXFSZ, SIG_IGN);
    struct rlimit limit = {bytes, bytes};
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0) return 121;
    return body();
  });
}

std::vector<ChildState> ChildrenOfThisProcess() {
  std::vector<ChildState> children;
  for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
    std::ifstream stat(entry.path() / "stat");
    pid_t pid = 0, parent = 0;
    std::string name;
    char state = 0;
    if (stat >> pid >> name >> state >> parent && parent == getpid()) {
      children.push_back(ChildState{pid, name, state});
    }
  }
  return children;
}

}  // namespace testing_support
