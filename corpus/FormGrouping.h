// Which surface forms of a corpus count as one word: case variants always,
// and plural and feminine forms where a rule tells them reliably.
#pragma once

#include <string>
#include <string_view>

namespace corpus {

// The key that every form of the word of `form` shares (Windows-1252).
std::string GroupKey(std::string_view form);

}  // namespace corpus
