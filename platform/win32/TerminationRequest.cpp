#include "platform/TerminationRequest.h"

#include <windows.h>

namespace platform {
namespace {

bool requested = false;

}  // namespace

// The end of the session reaches the window as a message, not a descriptor.
int WatchTerminationRequests() { return -1; }

void NoteTerminationRequest() { requested = true; }

bool TerminationRequested() {
  // Messages the system sends (WM_QUERYENDSESSION) are handled inside this
  // call, so that a window whose thread is held by a wait can note them.
  MSG message;
  PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  return requested;
}

}  // namespace platform
