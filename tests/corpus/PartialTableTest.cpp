// The partial table's file: read back as written, merged as one run, and a
// damaged one refused with a message, never a crash.
#include <gtest/gtest.h>

#include "corpus/PartialTable.h"
#include "corpus/Utf8Text.h"
#include "support/TempDir.h"

using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

namespace corpus {
namespace {

PartialTable Sample() {
  PartialTable partial;
  partial.documents = {{"a\tb\\c.txt", 0}, {"2024-05-17.txt", 20240517}};
  CorpusWord& word = partial.table["p\xE3ozito"];
  word.forms = {{"P\xE3ozito", 2}, {"p\xE3ozito", 1}};
  word.frequency = 3;
  word.inside = 2;
  word.capitalisedInside = 1;
  word.documents = 2;
  word.firstDocument = 1;
  word.firstDate = word.lastDate = 20240517;
  word.perMonth = {{202405, 1}};
  word.contexts = {{"Um P\xE3ozito\tcom \x1A tab\\.", 0}, {"Outro p\xE3ozito \x80.", 1}};
  partial.table["zz"] = CorpusWord{{{"ZZ", 1}}, 1, 0, 0, 1, 0, 0, 0, {}, {{"ZZ.", 0}}};
  return partial;
}

TEST(PartialTableTest, ReadsBackWhatItWrote) {
  TempDir dir;
  WritePartialTable(dir / "p", Sample());
  PartialTable read = ReadPartialTable(dir / "p");
  WritePartialTable(dir / "q", read);
  EXPECT_EQ(ReadBytes(dir / "p"), ReadBytes(dir / "q"));
  ASSERT_EQ(read.documents.size(), 2u);
  EXPECT_EQ(read.documents[0].name, "a\tb\\c.txt");
  EXPECT_EQ(read.table.at("p\xE3ozito").contexts[0].sentence, "Um P\xE3ozito\tcom \x1A tab\\.");
  EXPECT_EQ(read.table.at("p\xE3ozito").contexts[1].sentence, "Outro p\xE3ozito \x80.");
  // UTF-8 on disk.
  EXPECT_NE(ReadBytes(dir / "p").find("P\xC3\xA3ozito"), std::string::npos);
}

TEST(PartialTableTest, AppendingShiftsTheSecondPartsDocuments) {
  PartialTable merged = Sample();
  AppendPartialTable(merged, Sample());
  ASSERT_EQ(merged.documents.size(), 4u);
  const CorpusWord& word = merged.table.at("p\xE3ozito");
  EXPECT_EQ(word.frequency, 6u);
  EXPECT_EQ(word.documents, 4u);
  EXPECT_EQ(word.firstDocument, 1u);  // equal dates: the earlier in corpus order
  ASSERT_EQ(word.contexts.size(), 4u);
  EXPECT_EQ(word.contexts[3].document, 3u);
  EXPECT_EQ(merged.table.at("zz").contexts[1].document, 2u);
}

TEST(PartialTableTest, EveryCutOrAlteredFileIsRefusedByName) {
  TempDir dir;
  WritePartialTable(dir / "p", Sample());
  std::string whole = ReadBytes(dir / "p");
  auto refused = [&](const std::string& bytes) {
    WriteBytes(dir / "d", bytes);
    try {
      ReadPartialTable(dir / "d");
    } catch (const PartialTableError& error) {
      return std::string(error.what()).find(dir / "d") != std::string::npos;
    }
    return false;
  };
  // Cut at every line end but the last: a table that ends early.
  for (std::size_t at = whole.find('\n'); at + 1 < whole.size(); at = whole.find('\n', at + 1)) {
    EXPECT_TRUE(refused(whole.substr(0, at + 1))) << "cut at " << at;
  }
  auto replaced = [&](const std::string& from, const std::string& to) {
    std::string bytes = whole;
    std::size_t at = bytes.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return bytes.replace(at, from.size(), to);
  };
  EXPECT_TRUE(refused(replaced("parcial 1", "parcial 2")));
  EXPECT_TRUE(refused(replaced("documentos\t2", "documentos\t99999999999")));
  EXPECT_TRUE(refused(replaced("p\t3\t2\t1\t2\t1", "p\t3\t2\t1\t2\t7")));  // no document 7
  EXPECT_TRUE(refused(replaced("f\t2\t", "f\t5\t")));                      // forms sum to 6, not 3
  EXPECT_TRUE(refused(replaced("\t20240517\t2024", "\t20241399\t2024")));
  EXPECT_TRUE(refused(replaced("\\x09", "\\xG9")));
  EXPECT_TRUE(refused(replaced("p\t3\t", "p\t-3\t")));
}

TEST(Windows1252FromUtf8Test, MapsEveryCharacterItCanAndMarksTheRest) {
  EXPECT_EQ(Windows1252FromUtf8("p\xC3\xA3o \xE2\x82\xAC \xC5\x93 \xC2\x81"),
            "p\xE3o \x80 \x9C \x81");
  EXPECT_EQ(Windows1252FromUtf8("\xE4\xB8\xAD|\xF0\x9F\x98\x80"), "?|?");  // not in Windows-1252
  // Broken sequences, overlong forms and surrogates: one "?" per byte.
  EXPECT_EQ(Windows1252FromUtf8("a\xC3"), "a?");
  EXPECT_EQ(Windows1252FromUtf8("\xC0\xAF\xE0\x80\xAF"), "?????");
  EXPECT_EQ(Windows1252FromUtf8("\xED\xA0\x80"), "???");
  EXPECT_EQ(Windows1252FromUtf8("\xF8\x80\x80."), "???.");
  for (int byte = 0; byte < 256; ++byte) {
    std::string text(1, static_cast<char>(byte));
    EXPECT_EQ(Windows1252FromUtf8(Utf8FromWindows1252(text)), text) << byte;
  }
}

}  // namespace
}  // namespace corpus
