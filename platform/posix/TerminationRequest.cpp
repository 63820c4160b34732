#include "platform/TerminationRequest.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>

#include "platform/FileError.h"

namespace platform {
namespace {

int requestPipe[2] = {-1, -1};
volatile sig_atomic_t requested = 0;

// Only async-signal-safe work here: a flag, and one byte into the pipe.
void OnSignal(int) {
  requested = 1;
  int saved = errno;
  char byte = 1;
  ssize_t ignored = write(requestPipe[1], &byte, 1);
  (void)ignored;
  errno = saved;
}

}  // namespace

int WatchTerminationRequests() {
  if (requestPipe[0] >= 0) return requestPipe[0];
  if (pipe2(requestPipe, O_CLOEXEC | O_NONBLOCK) != 0) throw FileError::FromSystemError(errno, "");
  struct sigaction action = {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGHUP, &action, nullptr);
  return requestPipe[0];
}

void NoteTerminationRequest() { requested = 1; }

bool TerminationRequested() { return requested != 0; }

}  // namespace platform
