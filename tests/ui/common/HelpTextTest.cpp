// The generated help text: its lines, its sections, its language and its
// contact address.
#include "ui/common/HelpText.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Lines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != std::string_view::npos; start = end + 1) {
    lines.emplace_back(text.substr(start, end - start));
  }
  EXPECT_EQ(start, text.size()) << "the last line has no line break";
  return lines;
}

}  // namespace

TEST(HelpTextTest, SixtyFourLinesInFourSections) {
  std::vector<std::string> lines = Lines(AjudaText());
  ASSERT_EQ(lines.size(), 64u);
  EXPECT_EQ(lines[0], "SOBRE O SOFTWARE");
  EXPECT_EQ(lines[14], "navegadores web).  Nesses arquivos, os termos s\xE3o acompanhados de (i) ");
  EXPECT_EQ(lines[19], "SOBRE A EXECU\xC7\xC3O DO SOFTWARE");
  EXPECT_EQ(lines[27], "RECURSOS E FUNDAMENTOS DO SOFTWARE");
  EXPECT_EQ(lines[59], "CONTATO");
  for (int reference : {38, 43, 48, 53}) {
    EXPECT_TRUE(lines[reference].starts_with("- ")) << lines[reference];
  }
  for (int empty : {1, 6, 10, 17, 18, 20, 25, 26, 28, 32, 35, 37, 42, 47, 52, 57, 58, 60})
    EXPECT_EQ(lines[empty], "");
}

TEST(HelpTextTest, TheTextIsWindows1252WithoutCarriageReturns) {
  std::string_view text = AjudaText();
  EXPECT_EQ(text.find('\r'), std::string_view::npos);
  // No UTF-8 sequence of an accented letter ("\xC3" followed by a continuation byte).
  EXPECT_FALSE(std::regex_search(std::string(text), std::regex("\xC3[\x80-\xBF]")));
  EXPECT_NE(text.find("l\xEDngua"), std::string_view::npos);
}

TEST(HelpTextTest, TheReferencesArePortugueseAndTheContactIsTheBuildsSetting) {
  std::vector<std::string> lines = Lines(AjudaText());
  std::string references;
  for (int i = 29; i < 59; ++i) references += lines[i] + "\n";
  std::smatch english;
  EXPECT_FALSE(std::regex_search(
      references, english,
      std::regex(
          "(^|[^-A-Za-z0-9_])(and|or|the|others|contributors|dictionaries)($|[^-A-Za-z0-9_])")))
      << english.str();
  EXPECT_NE(references.find(" e os tradutores"), std::string::npos);
  EXPECT_NE((lines[61] + " " + lines[62] + " " + lines[63]).find(LEXAVIA_CONTACT),
            std::string::npos);
}
