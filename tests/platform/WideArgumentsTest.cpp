// The arguments of a Windows program: split from the wide command line and
// converted with code page 1252, whatever the machine's ANSI code page.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/FileError.h"
#include "platform/win32/WideArguments.h"

using platform::win32::ArgumentsOfCommandLine;

namespace {

using Arguments = std::vector<std::string>;

}  // namespace

TEST(ArgumentsOfCommandLine, GivesTheWindows1252BytesOfEveryCharacter) {
  // Latin-1 letters, and the euro sign, Œ, quotes and a dash, whose bytes in
  // Windows-1252 are controls in Latin-1 and other letters in other code
  // pages.
  EXPECT_EQ(ArgumentsOfCommandLine(L"\"C:\\Programas\\frasor.exe\" "
                                   L"\"C:\\Textos\\Cora\u00E7\u00E3o \u20AC\u0152 \u201Cx\u201D "
                                   L"\u2014.txt\" b"),
            (Arguments{"C:\\Textos\\Cora\xE7\xE3o \x80\x8C \x93x\x94 \x97.txt", "b"}));
  EXPECT_EQ(ArgumentsOfCommandLine(L"frasor.exe \"\""), (Arguments{""}));
}

TEST(ArgumentsOfCommandLine, LeavesTheProgramsOwnNameAside) {
  // The program may lie in a folder whose name Windows-1252 cannot hold.
  EXPECT_EQ(ArgumentsOfCommandLine(L"\"C:\\\u03A9\\frasor.exe\" texto.txt"),
            (Arguments{"texto.txt"}));
}

TEST(ArgumentsOfCommandLine, RefusesCharactersThatWindows1252Lacks) {
  // Omega; a-macron, which a best fit would turn into "a"; l-stroke, which
  // Windows-1250 holds; an emoji; a lone surrogate.
  for (const wchar_t* name :
       {L"\u03A9.txt", L"\u0101.txt", L"\u0142.txt", L"\xD83D\xDE00.txt", L"\xD800.txt"}) {
    try {
      ArgumentsOfCommandLine(std::wstring(L"frasor.exe ") + name);
      ADD_FAILURE() << "accepted a name with U+" << std::hex << static_cast<unsigned>(name[0]);
    } catch (const platform::FileError& error) {
      EXPECT_STREQ(error.what(), "Invalid filename");
    }
  }
}
