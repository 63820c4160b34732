// The page candidatos.html without its data, built into the program from
// corpus/page/candidatos.html so that the program needs no file beside it.
#pragma once

#include <string_view>

namespace corpus {

// Where the page's data (JSON) goes in the template.
inline constexpr std::string_view PageDataMarker = "@DADOS@";

std::string_view CandidatesPageTemplate();

}  // namespace corpus
