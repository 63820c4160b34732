// The candidates page as written: its data stays data whatever the texts
// hold and parses as UTF-8 JSON; the page replaces an earlier one whole.
#include <cstdlib>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "corpus/CandidatesPage.h"
#include "corpus/SampleCorpus.h"
#include "platform/FileError.h"
#include "support/TempDir.h"

using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

namespace {

constexpr std::string_view DataStart = "<script id=\"dados\" type=\"application/json\">";

TEST(CandidatesPageTest, TextsStayInsideTheDataAndComeBackWhole) {
  TempDir dir;
  corpus::CorpusResult result = testing_support::SampleCorpus();
  // A name that is not UTF-8 (Linux allows it) comes out as U+FFFD.
  result.documents.push_back({"velho-\xE9.txt", 0});
  corpus::WriteCandidatesPage(dir / "candidatos.html", result);
  std::string page = ReadBytes(dir / "candidatos.html");
  std::size_t start = page.find(DataStart) + DataStart.size();
  std::string data = page.substr(start, page.find("</script>", start) - start);
  // The data ends where the writer ended it, although a sentence holds
  // "</script>" and a document name an element.
  EXPECT_EQ(data.substr(data.size() - 3), "]]}");
  for (std::string_view markup : {"<", ">", "&", "\xE2\x80\xA8"}) {
    EXPECT_EQ(data.find(markup), std::string::npos) << markup;
  }

  // Python's strict UTF-8 decoding and JSON parser give the texts back.
  WriteBytes(dir / "dados.json", data);
  std::string command =
      std::string(LEXAVIA_PYTHON) +
      " -c \"import json, sys; d = json.load(open(sys.argv[1], encoding='utf-8'));"
      " l = d['linhas']; texts = [n for n, _ in d['documentos']] +"
      " [l[0][14][1][0], l[0][14][2][0], l[1][12], l[2][6], ' '.join(l[0][5]),"
      " str(l[0][10]), d['classes'][l[2][1]]];"
      " open(sys.argv[2], 'w', encoding='utf-8').write(chr(10).join(texts))\" " +
      dir / "dados.json" + " " + dir / "textos.txt";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;
  EXPECT_EQ(ReadBytes(dir / "textos.txt"),
            "2024-01-15-jornal.txt\n"
            "<img src=x onerror=\"window.atacado=1\">.txt\n"
            "2024-03-02 cr\xC3\xB4nica\xE2\x80\xA8.txt\n"
            "velho-\xEF\xBF\xBD.txt\n"
            "</script><script>window.atacado=2</script> tuitar <!-- fim\n"
            "Tuitar \xE2\x80\x9Csempre\xE2\x80\x9D \xE2\x80\x93 disse.\n"
            "nome & <b>pr\xC3\xB3prio</b>\n"
            "exce\xC3\xA7\xC3\xA3o\n"
            "Tuitar tuitares\n"
            "[[202401, 7], [202403, 5]]\n"
            "grafia");
}

TEST(CandidatesPageTest, AnEarlierPageIsReplacedWholeAndNothingIsLeftBeside) {
  TempDir dir;
  auto fileCount = [&] {
    auto entries = std::filesystem::directory_iterator(dir.Path());
    return std::distance(begin(entries), end(entries));
  };
  WriteBytes(dir / "candidatos.html", std::string(100000, 'x'));
  corpus::WriteCandidatesPage(dir / "candidatos.html", testing_support::SampleCorpus());
  std::string page = ReadBytes(dir / "candidatos.html");
  EXPECT_EQ(page.rfind("<!DOCTYPE html>", 0), 0u);
  EXPECT_EQ(page.substr(page.size() - 8), "</html>\n");
  EXPECT_EQ(fileCount(), 1);

  EXPECT_THROW(
      corpus::WriteCandidatesPage(dir / "falta/candidatos.html", testing_support::SampleCorpus()),
      platform::FileError);
  EXPECT_EQ(fileCount(), 1);
}

}  // namespace
