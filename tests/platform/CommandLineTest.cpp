// Command lines by the rules of Windows programs.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/CommandLine.h"

using platform::SplitCommandLine;

namespace {

using Arguments = std::vector<std::string>;

}  // namespace

TEST(SplitCommandLine, QuotesGroupAndBlanksSeparate) {
  EXPECT_EQ(SplitCommandLine(R"("C:\Program Files\frasor.exe" "um texto.txt" b)"),
            (Arguments{R"(C:\Program Files\frasor.exe)", "um texto.txt", "b"}));
  EXPECT_EQ(SplitCommandLine("  p\ta  b\t"), (Arguments{"p", "a", "b"}));
  EXPECT_EQ(SplitCommandLine(R"(p a"b c"d "")"), (Arguments{"p", "ab cd", ""}));
  EXPECT_TRUE(SplitCommandLine(" \t ").empty());
}

TEST(SplitCommandLine, BackslashesEscapeOnlyBeforeQuotes) {
  EXPECT_EQ(SplitCommandLine(R"(p a\\b c\d)"), (Arguments{"p", R"(a\\b)", R"(c\d)"}));
  EXPECT_EQ(SplitCommandLine(R"(p a\"b)"), (Arguments{"p", R"(a"b)"}));
  EXPECT_EQ(SplitCommandLine(R"(p a\\\"b)"), (Arguments{"p", R"(a\"b)"}));
  EXPECT_EQ(SplitCommandLine(R"(p "a\\" b)"), (Arguments{"p", R"(a\)", "b"}));
  EXPECT_EQ(SplitCommandLine(R"(p "a""b c")"), (Arguments{"p", R"(a"b c)"}));
}

TEST(SplitCommandLine, TakesBackslashesInTheProgramAsTheyAre) {
  EXPECT_EQ(SplitCommandLine(R"("C:\dir\"x y)"), (Arguments{R"(C:\dir\x)", "y"}));
  EXPECT_EQ(SplitCommandLine(R"(C:\a\\b.exe)"), (Arguments{R"(C:\a\\b.exe)"}));
}

TEST(QuotedCommandLine, QuotesBothPiecesSoThatTheyComeBackUnchanged) {
  EXPECT_EQ(platform::QuotedCommandLine(R"(C:\\segmentador\frasor.exe)", R"(C:\textos\a b.txt)"),
            R"("C:\\segmentador\frasor.exe" "C:\textos\a b.txt")");
  // Backslashes before the closing quote would escape it unless doubled.
  for (std::string name : {"texto.txt", "um texto\\", "pasta\\a b\\\\", "\\", "", "a\\b c"}) {
    Arguments expected = {R"(C:\Lexavia\segmentador\frasor.exe)", name};
    EXPECT_EQ(SplitCommandLine(platform::QuotedCommandLine(expected[0], name)), expected) << name;
  }
}
