// Spelling that Portuguese words do not have: the letters k, w and y, and
// letters with accents Portuguese never writes; sh, th, ph and ck; a
// doubled consonant other than rr, ss and cc (acção); s and a consonant at
// the start (smartphone); an ending in a consonant other than s, r, l, z,
// m, n, x, or in two consonants but ns, rs, ls (blogs, chat).
#pragma once

#include <string>
#include <string_view>

namespace corpus {

// What in `lower` (lower case) is foreign to Portuguese spelling, in a few
// words; empty when nothing is.
std::string ForeignSpellingIn(std::string_view lower);

}  // namespace corpus
