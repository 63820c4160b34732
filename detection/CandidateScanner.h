// Turns the segmented text (one sentence per line) into candidate records.
#pragma once

#include <string>

// Reads `inputName` + ".seg" and appends, in text order, a record for every
// word that IsExcluded(word, ignoreStored) lets through. A word is a maximal
// run of word characters; its sentence is its line followed by one space.
// Throws platform::FileError; a missing file leaves the list unchanged.
void FindCandidates(const std::string& inputName, bool ignoreStored);
