// The two reports of a run: a semicolon-separated text file and an HTML
// table, with one row per candidate occurrence in the order of the text.
#pragma once

#include <string>

// Writes `inputName` + "_candidatos-neologismos.txt" and
// `inputName` + "_candidatos-neologismos.html" from CandidateList (Windows-1252,
// CR LF). Each report is written to a temporary file beside it and takes its
// final name only once both are complete, so a failed run leaves the reports
// of an earlier run as they were. Throws platform::FileError.
void WriteCandidateFiles(const std::string& inputName);
