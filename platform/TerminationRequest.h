// A request from outside to end the program (a session ending, or kill's
// default signal), delivered to the window loop so that the program closes
// its window as if the user had, instead of dying wherever it was.
#pragma once

namespace platform {

// A descriptor that becomes readable once termination has been requested;
// the window loop watches it. Call once, at program start.
int WatchTerminationRequests();

}  // namespace platform
