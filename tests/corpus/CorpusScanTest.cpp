// The document list, the per-document scan and the two-worker table, on
// real files.
#include <algorithm>
#include <filesystem>

#include <gtest/gtest.h>

#include "corpus/CorpusScan.h"
#include "corpus/DocumentList.h"
#include "corpus/PartialTable.h"
#include "corpus/ProgressBar.h"
#include "dictionary/DictionaryTable.h"
#include "platform/FileSystem.h"
#include "support/TempDir.h"

using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

namespace corpus {
namespace {

// `path` with the system's separator for "/".
std::string Native(std::string path) {
  std::replace(path.begin(), path.end(), '/', platform::FolderSeparator);
  return path;
}

TEST(DocumentDateTest, TakesOnlyRealDaysInEitherForm) {
  EXPECT_EQ(DateFromName("jornal-2024-05-17.txt"), 20240517u);
  EXPECT_EQ(DateFromName("20240517_editorial.txt"), 20240517u);
  EXPECT_EQ(DateFromName("20240229.txt"), 20240229u);  // a leap day
  EXPECT_EQ(DateFromName("20230229.txt"), 0u);
  EXPECT_EQ(DateFromName("2024-13-01.txt"), 0u);
  EXPECT_EQ(DateFromName("2024-04-31.txt"), 0u);
  EXPECT_EQ(DateFromName("processo-120240517.txt"), 0u);  // part of a longer number
  EXPECT_EQ(DateFromName("2024-05-1.txt"), 0u);
  EXPECT_EQ(DateFromName("18000101.txt"), 0u);
  // A number that is no date does not hide a date after it.
  EXPECT_EQ(DateFromName("99999999 2024-05-17.txt"), 20240517u);
}

TEST(DocumentListTest, ReadsFoldersRecursivelyInByteOrderAndNamesMissingPaths) {
  TempDir dir;
  std::filesystem::create_directories(dir / "corpus/b/c");
  for (const char* name : {"corpus/b.txt", "corpus/C.TXT", "corpus/a.txt", "corpus/b/c/d.txt",
                           "corpus/b/z.txt", "corpus/notas.md", "solto.dat"}) {
    WriteBytes(dir / name, "texto\n");
  }
  std::filesystem::create_directories(dir / "corpus/pasta.txt");  // a folder, not a document

  DocumentList list = ListDocuments({dir / "corpus", dir / "solto.dat", dir / "nada"});
  std::vector<std::string> names;
  for (const DocumentFile& file : list.files) names.push_back(file.document.name);
  // Entries sort by their own names: folder "b" before "b.txt".
  EXPECT_EQ(names, (std::vector<std::string>{"C.TXT", "a.txt", Native("b/c/d.txt"),
                                             Native("b/z.txt"), "b.txt", "solto.dat"}));
  EXPECT_EQ(list.files[2].path, dir / "corpus" + Native("/b/c/d.txt"));
  ASSERT_EQ(list.unlisted.size(), 1u);
  EXPECT_EQ(list.unlisted[0].path, dir / "nada");
  EXPECT_EQ(list.unlisted[0].why, corpus::UnlistedPath::Why::Missing);
}

class CorpusScanTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearDictionary();
    for (const char* word : {"o", "a", "de", "chegou", "ontem", "e", "nova", "falamos", "viu"}) {
      InsertWord(word, 0);
    }
    InsertWord("blogagem", 1);  // the user dictionary's words are known too
  }
  void TearDown() override { FreeDictionary(); }

  std::vector<DocumentFile> Corpus(const std::vector<std::pair<std::string, std::string>>& texts) {
    std::vector<std::string> paths;
    for (const auto& [name, text] : texts) {
      WriteBytes(dir_ / name, text);
      paths.push_back(dir_ / name);
    }
    return ListDocuments(paths).files;
  }

  // The table as its partial table file writes it, to compare two whole.
  std::string Written(const CorpusScan& scan, const std::vector<DocumentFile>& files) {
    WritePartialTable(dir_ / "tabela", PartialTable{DocumentsOf(files), scan.table});
    return ReadBytes(dir_ / "tabela");
  }

  TempDir dir_;
};

TEST_F(CorpusScanTest, CountsFormsPlacesDocumentsAndSentences) {
  auto files = Corpus({{"sem-data.txt", "O Zorbax chegou ontem. Zorbax e zorbax viu zorbax.\n"},
                       {"2024-05-17.txt", "Falamos de blogagem.\n\nA zorbax nova.\n"},
                       {"2024-03-02.txt", "Zorbax!\n"}});
  CorpusScan scan = ScanCorpus(files, 2, [](const ScanProgress&) {});
  EXPECT_TRUE(scan.failures.empty());
  ASSERT_EQ(scan.table.count("zorbax"), 1u);
  const CorpusWord& word = scan.table.at("zorbax");
  EXPECT_EQ(word.forms, (std::map<std::string, std::uint64_t>{{"Zorbax", 3}, {"zorbax", 3}}));
  EXPECT_EQ(word.frequency, 6u);
  // "Zorbax" opens two sentences; of the four others one is capitalised.
  EXPECT_EQ(word.inside, 4u);
  EXPECT_EQ(word.capitalisedInside, 1u);
  EXPECT_EQ(word.documents, 3u);
  // First attested in the earliest dated document, though corpus order puts it last.
  EXPECT_EQ(word.firstDocument, 2u);
  EXPECT_EQ(word.firstDate, 20240302u);
  EXPECT_EQ(word.lastDate, 20240517u);
  EXPECT_EQ(word.perMonth, (std::map<std::uint32_t, std::uint64_t>{{202403, 1}, {202405, 1}}));
  // One context per sentence holding it, in corpus order.
  ASSERT_EQ(word.contexts.size(), 4u);
  EXPECT_EQ(word.contexts[1].sentence, "Zorbax e zorbax viu zorbax.");
  EXPECT_EQ(word.contexts[2].document, 1u);
  EXPECT_EQ(scan.table.count("blogagem"), 0u);
  EXPECT_EQ(scan.table.count("chegou"), 0u);
}

TEST_F(CorpusScanTest, TwoWorkersMakeTheTableOneMakesAndKeepTheEarliestContexts) {
  std::vector<std::pair<std::string, std::string>> texts;
  for (int i = 0; i < 40; ++i) {
    std::string text;
    for (int k = 0; k <= i % 7; ++k) {
      text += "Documento" + std::to_string(i) + " viu a palavrinha" + std::to_string(k % 3) +
              " e a Zorbax.\n\n";
    }
    texts.push_back({"d" + std::to_string(100 + i) + ".txt", text});
  }
  auto files = Corpus(texts);
  CorpusScan one = ScanCorpus(files, 1, [](const ScanProgress&) {});
  CorpusScan two = ScanCorpus(files, 2, [](const ScanProgress&) {});
  EXPECT_EQ(Written(one, files), Written(two, files));
  const CorpusWord& zorbax = two.table.at("zorbax");
  ASSERT_EQ(zorbax.contexts.size(), ContextCap);
  for (std::size_t i = 1; i < ContextCap; ++i) {
    EXPECT_LE(zorbax.contexts[i - 1].document, zorbax.contexts[i].document);
  }
  // Documents 0 to 6 hold 28 sentences, 7 to 12 another 21: the 50th is in 13.
  EXPECT_EQ(zorbax.contexts.back().document, 13u);
}

TEST_F(CorpusScanTest, AnUnreadableDocumentIsNamedAndCountsNothing) {
  auto files = Corpus({{"bom.txt", "O Zorbax chegou.\n"}});
  files.insert(files.begin(), DocumentFile{dir_ / "sumiu.txt", Document{"sumiu.txt", 0}});
  CorpusScan scan = ScanCorpus(files, 2, [](const ScanProgress&) {});
  ASSERT_EQ(scan.failures.size(), 1u);
  EXPECT_EQ(scan.failures[0].path, dir_ / "sumiu.txt");
  EXPECT_EQ(scan.failures[0].error.Kind(), platform::FileErrorKind::FileNotFound);
  EXPECT_EQ(scan.table.at("zorbax").firstDocument, 1u);
}

TEST(ProgressLineTest, ShowsDocumentsSpeedWithADecimalCommaAndTimeLeft) {
  EXPECT_EQ(ProgressLine(ScanProgress{3, 12, 15'000'000}, 2.0),
            "[#####---------------] 3/12 documentos  7,5 MB/s  faltam 0:06");
  EXPECT_EQ(ProgressLine(ScanProgress{1, 2, 1'000'000}, 65.0),
            "[##########----------] 1/2 documentos  0,0 MB/s  faltam 1:05");
  // Nothing done yet: no speed or time to tell.
  EXPECT_EQ(ProgressLine(ScanProgress{0, 4, 0}, 1.0), "[--------------------] 0/4 documentos");
}

}  // namespace
}  // namespace corpus
