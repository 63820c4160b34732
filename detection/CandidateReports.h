// The two reports of a run: a semicolon-separated text file and an HTML
// table, with one row per candidate occurrence in the order of the text.
#pragma once

#include <string>

// Writes `inputName` + "_candidatos-neologismos.txt" and
// `inputName` + "_candidatos-neologismos.html" from CandidateList (Windows-1252,
// CR LF). Each report is written to a temporary file beside it and takes its
// final name only once both are complete, so a run that fails while writing
// them leaves the reports of an earlier run as they were, and no temporary
// file. Before the first rename, both earlier reports are checked to be
// replaceable (none held open by another program without sharing), so that
// the text report is not replaced beside an HTML report that cannot be; only
// a rename that fails after that check can leave the new text report beside
// the old HTML one. In a folder where no new file can be made, an
// earlier report that may be written is written in place, and a failure can
// leave it incomplete. Throws platform::FileError.
void WriteCandidateFiles(const std::string& inputName);
