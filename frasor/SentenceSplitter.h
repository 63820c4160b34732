// The sentence rules of Portuguese, applied within one paragraph.
#pragma once

#include <functional>
#include <string_view>

namespace frasor {

using SentenceSink = std::function<void(std::string_view sentence)>;

// Hands every sentence of `paragraph` (Windows-1252, without line breaks) to
// `sink` in text order, without blanks at either end; together they hold
// every non-blank byte of the paragraph. A sentence ends after . ! ? or an
// ellipsis, and the quotes or brackets closing it, when a blank and the
// start of a new sentence follow: not a lower-case letter or a punctuation
// mark that continues it, and, after a single full stop, not after an
// abbreviation or an initial.
void SplitSentences(std::string_view paragraph, const SentenceSink& sink);

}  // namespace frasor
