// Has the outside segmenter, AppDir/segmentador/frasor.exe, split the input
// text into sentences.
#pragma once

#include <string>

// "I/O error" codes of a segmenter that ended before its readiness file
// existed without naming a file error: it exited with status 0, or a signal
// killed it.
inline constexpr int SegmenterExitedSilentlyCode = 1000;
inline constexpr int SegmenterKilledCode = 1001;

// Starts the segmenter on `inputName` ("AppDir/segmentador/frasor.exe" and
// the name, each in double quotes) after deleting the readiness file and
// `inputName` + ".seg" of an earlier run, and returns once the readiness
// file `inputName` + "._frasor_ready_.tmp" exists. A segmenter still running
// then is left to end by itself. Throws platform::FileError: "Invalid
// filename" for a name holding a double quote, which cannot be quoted; the
// error of a segmenter that cannot be started; the error of the exit status
// of one that ends before the readiness file exists.
void RunSegmenter(const std::string& inputName);

// The command line that starts the segmenter on `inputName`, which holds no
// double quote: the program and the name, each in double quotes, with the
// backslashes that end the name doubled so that they do not escape the
// closing quote.
std::string SegmenterCommandLine(const std::string& inputName);
