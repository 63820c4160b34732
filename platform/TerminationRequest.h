// A request from outside to end the program, which closes its window as the
// user would instead of dying wherever it is: on POSIX a signal (a session
// ending, or kill's default), on Windows the end of the session, which
// reaches the window as a message.
#pragma once

namespace platform {

// Starts watching for requests; call at program start, a later call returns
// the same. Returns a descriptor that becomes readable once termination has
// been requested, for the window loop to watch; -1 where the request
// reaches the window itself (Windows).
int WatchTerminationRequests();

// Notes a request that the window received itself.
void NoteTerminationRequest();

// True once termination has been requested, for waits that hold the
// window's thread and so keep the loop from seeing the request. On Windows
// it lets the messages the system sends to the program's windows through
// first, so that the window can note the end of the session. Never waits.
bool TerminationRequested();

}  // namespace platform
