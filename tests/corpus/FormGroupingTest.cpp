// Which surface forms share a word of lexavia-corpus: case always; plural
// and feminine only by the rules no singular breaks.
#include "corpus/FormGrouping.h"

#include <gtest/gtest.h>

namespace {

using corpus::GroupKey;

void ExpectOneWord(std::initializer_list<const char*> forms) {
  std::string key = GroupKey(*forms.begin());
  for (const char* form : forms)
    EXPECT_EQ(GroupKey(form), key) << form << " and " << *forms.begin();
}

void ExpectTwoWords(const char* a, const char* b) {
  EXPECT_NE(GroupKey(a), GroupKey(b)) << a << " and " << b;
}

TEST(FormGroupingTest, CaseVariantsAreOneWordAccentsIncluded) {
  ExpectOneWord({"covid", "Covid", "COVID"});
  ExpectOneWord({"\xE1gua", "\xC1gua", "\xC1GUA"});  // água
}

TEST(FormGroupingTest, PluralsByTheirRegularEndings) {
  ExpectOneWord({"meme", "memes", "Memes"});
  ExpectOneWord({"apag\xE3o",
                 "apag\xF5"
                 "es"});  // apagão, apagões
  ExpectOneWord({"digital", "digitais"});
  ExpectOneWord({"papel", "pap\xE9is"});  // papéis
  ExpectOneWord({"influenciador", "influenciadores"});
}

TEST(FormGroupingTest, FemininesOfAgentAndEiroNouns) {
  ExpectOneWord({"blogueiro", "blogueira", "blogueiras", "Blogueiros"});
  ExpectOneWord({"influenciador", "influenciadora", "influenciadoras"});
}

TEST(FormGroupingTest, EndingsThatSingularsAlsoHaveStayApart) {
  ExpectTwoWords("martim", "martins");  // -ns: names end so
  ExpectTwoWords("porto", "porta");     // -a against -o in general
  ExpectTwoWords("lapi", "l\xE1pis");   // an s after an accented or other vowel
  ExpectTwoWords("viru", "virus");
  ExpectTwoWords("ma", "mas");       // short words keep their s
  ExpectTwoWords("memes", "meme-");  // a fragment is a form of its own
}

}  // namespace
