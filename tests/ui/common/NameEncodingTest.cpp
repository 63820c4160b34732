// A typed name reaches the system only when its bytes name that very file.
#include "ui/common/NameEncoding.h"

#include <gtest/gtest.h>

#include "Latin1Names.h"

#include "platform/FileError.h"

namespace {

// An encoder with a "best fit": a letter it lacks becomes the one it looks like.
std::string EncodeBestFit(std::u16string_view text) {
  std::u16string fitted(text);
  for (char16_t& c : fitted) c = c == u'\u0141' ? u'L' : c;
  return EncodeLatin1(fitted);
}

const NameEncoding BestFit{EncodeBestFit, DecodeLatin1};

void ExpectInvalidName(std::u16string_view typed, const NameEncoding& encoding) {
  try {
    NameHeldExactly(typed, encoding);
    ADD_FAILURE() << "the name was taken";
  } catch (const platform::FileError& error) {
    EXPECT_STREQ(error.what(), "Invalid filename");
  }
}

}  // namespace

TEST(NameEncodingTest, ANameTheEncodingHoldsIsPassedAsItsBytes) {
  EXPECT_EQ(NameHeldExactly(u"C:\\textos\\an\u00E1lise.txt", Latin1), "C:\\textos\\an\xE1lise.txt");
  EXPECT_EQ(NameHeldExactly(u"   ", Latin1), "   ");
  EXPECT_EQ(NameHeldExactly(u"?.txt", Latin1), "?.txt");  // a real question mark is kept
}

TEST(NameEncodingTest, ACharacterTheEncodingLacksRefusesTheName) {
  ExpectInvalidName(u"C:\\textos\\\u0436.txt", Latin1);
  ExpectInvalidName(u"a\u20AC.txt", Latin1);
}

TEST(NameEncodingTest, ABestFitThatWouldNameAnotherFileRefusesTheName) {
  EXPECT_EQ(NameHeldExactly(u"Lodz.txt", BestFit), "Lodz.txt");
  ExpectInvalidName(u"\u0141odz.txt", BestFit);
}
