// A request from outside to end the program (a session ending, or kill's
// default signal), delivered to the window loop so that the program closes
// its window as if the user had, instead of dying wherever it was.
#pragma once

namespace platform {

// A descriptor that becomes readable once termination has been requested;
// the window loop watches it. Call at program start; a later call returns
// the same descriptor.
int WatchTerminationRequests();

// True once termination has been requested since WatchTerminationRequests,
// for waits that hold the window's thread and so keep the loop from seeing
// the request. Never waits.
bool TerminationRequested();

}  // namespace platform
