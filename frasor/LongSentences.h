// A bound on the length of a sentence line.
#pragma once

#include <cstddef>
#include <string_view>

#include "frasor/SentenceSplitter.h"

namespace frasor {

// Longer than any sentence of real prose. A text without punctuation, or a
// binary file, would otherwise give "sentences" of megabytes, and every
// candidate word copies its whole sentence into the reports.
inline constexpr std::size_t MaxSentenceBytes = 10000;

// Hands `sentence` to `sink` in pieces of at most `limit` bytes, each ended
// after the last blank within the limit (at the limit where there is none),
// without blanks at either end; together they hold every non-blank byte of
// the sentence, in order.
void SplitLongSentence(std::string_view sentence, std::size_t limit, const SentenceSink& sink);

}  // namespace frasor
