// platform::SplitCommandLine on arbitrary bytes, and on command lines built
// from arbitrary arguments.
//
// Any input: splitting never fails; blanks in front change nothing; the
// program never holds a double quote; quoting the arguments by the Windows
// rules (program in quotes, every other argument in quotes with its
// backslashes before a quote doubled and its quotes escaped) splits back
// into the same arguments.
//
// Pieces without double quotes (the input cut at its NUL bytes, quotes
// taken out): a program and one argument quoted by QuotedCommandLine, as
// the segmenter is started on Windows, split back into exactly themselves.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/FuzzSupport.h"
#include "platform/CommandLine.h"

namespace {

using Arguments = std::vector<std::string>;

// An argument after the program, in quotes, by the Windows rules.
std::string QuoteArgument(std::string_view argument) {
  std::string quoted = "\"";
  std::size_t backslashes = 0;
  for (char c : argument) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    if (c == '"') {
      quoted.append(2 * backslashes + 1, '\\');
    } else {
      quoted.append(backslashes, '\\');
    }
    quoted += c;
    backslashes = 0;
  }
  quoted.append(2 * backslashes, '\\');
  return quoted + '"';
}

std::string Quote(const Arguments& arguments) {
  std::string line = "\"" + arguments[0] + "\"";
  for (std::size_t i = 1; i < arguments.size(); ++i) line += " " + QuoteArgument(arguments[i]);
  return line;
}

void CheckAnyLine(std::string_view line) {
  Arguments arguments = platform::SplitCommandLine(line);
  bool allBlank = line.find_first_not_of(" \t") == std::string_view::npos;
  FUZZ_REQUIRE(arguments.empty() == allBlank);
  FUZZ_REQUIRE(platform::SplitCommandLine(" \t " + std::string(line)) == arguments);
  if (arguments.empty()) return;
  FUZZ_REQUIRE(arguments[0].find('"') == std::string::npos);
  std::size_t total = 0;
  for (const std::string& argument : arguments) total += argument.size();
  FUZZ_REQUIRE(total <= line.size());
  FUZZ_REQUIRE(platform::SplitCommandLine(Quote(arguments)) == arguments);
}

void CheckArguments(std::string_view bytes) {
  Arguments pieces;
  std::size_t start = 0;
  for (;;) {
    std::size_t stop = bytes.find('\0', start);
    std::string piece(bytes.substr(start, stop == std::string_view::npos ? stop : stop - start));
    std::erase(piece, '"');
    pieces.push_back(piece);
    if (stop == std::string_view::npos) break;
    start = stop + 1;
  }
  // The first piece as the program, every other (or itself) as its argument.
  for (std::size_t i = pieces.size() > 1 ? 1 : 0; i < pieces.size(); ++i) {
    Arguments expected = {pieces[0], pieces[i]};
    FUZZ_REQUIRE(platform::SplitCommandLine(platform::QuotedCommandLine(pieces[0], pieces[i])) ==
                 expected);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  CheckAnyLine(bytes);
  CheckArguments(bytes);
  return 0;
}
