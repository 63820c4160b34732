// The detection run, the one operation the user starts, and the start-up
// and shut-down of the state it uses.
#pragma once

#include <string>

// Captures AppDir (the current directory now) and empties the dictionary
// table and the candidate list. Called once, before anything else.
void StartUp();

// Shows the closing status and releases the dictionary table.
void ShutDown();

// Loads the dictionaries, has `inputName` segmented, scans it, writes the
// two reports, stores new candidates when `storeNew`, and returns the
// completion message naming the reports. A name holding a NUL byte ends the
// run at once with "Invalid filename", touching no file. A failing stage
// ends the run with its error (platform::FileError, std::bad_alloc, or
// RunInterrupted); the candidate list and the segmenter's files of the run
// are cleared on that path too.
std::string RunDetection(const std::string& inputName, bool storeNew, bool ignoreStored);
