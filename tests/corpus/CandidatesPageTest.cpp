// The candidates page as written: its data stays data whatever the texts
// hold, is valid UTF-8 JSON, and the page replaces an earlier one whole.
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

std::size_t FileCount(const std::string& folder) {
  std::size_t count = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++count;
  return count;
}

class CandidatesPageTest : public ::testing::Test {
 protected:
  // The text between the data's script tags.
  std::string PageData() {
    std::string page = ReadBytes(page_);
    std::size_t start = page.find(DataStart);
    EXPECT_NE(start, std::string::npos);
    start += DataStart.size();
    return page.substr(start, page.find("</script>", start) - start);
  }

  TempDir dir_;
  std::string page_ = dir_ / "candidatos.html";
};

TEST_F(CandidatesPageTest, TextsThatHoldMarkupStayInsideTheData) {
  corpus::WriteCandidatesPage(page_, testing_support::SampleCorpus());
  std::string data = PageData();
  // The data ends where the writer ended it: at the close of its JSON,
  // although a sentence holds "</script>" and a document name an element.
  EXPECT_EQ(data.substr(data.size() - 3), "]]}");
  for (std::string_view markup : {"<", ">", "&", "\xE2\x80\xA8"}) {
    EXPECT_EQ(data.find(markup), std::string::npos) << markup;
  }
  EXPECT_NE(data.find("\\u003c/script\\u003e\\u003cscript\\u003ewindow.atacado=2"),
            std::string::npos);
  // The one script element of data, and the page's own script after it.
  std::string page = ReadBytes(page_);
  EXPECT_EQ(page.find(DataStart), page.rfind(DataStart));
}

TEST_F(CandidatesPageTest, TheDataParsesAsJsonAndKeepsEveryText) {
  corpus::CorpusResult result = testing_support::SampleCorpus();
  // A name that is not UTF-8 (possible on Linux) comes out as U+FFFD.
  result.documents.push_back({"velho-\xE9.txt", 0});
  corpus::WriteCandidatesPage(page_, result);
  WriteBytes(dir_ / "dados.json", PageData());
  // Python's strict UTF-8 decoding and its JSON parser, the texts read
  // back one a line.
  std::string command =
      std::string(LEXAVIA_PYTHON) +
      " -c \"import json, sys; d = json.load(open(sys.argv[1], encoding='utf-8'));"
      " l = d['linhas']; texts = [n for n, _ in d['documentos']] +"
      " [l[0][14][1][0], l[0][14][2][0], l[1][12], l[2][6], ' '.join(l[0][5]),"
      " str(l[0][10]), d['classes'][l[2][1]]];"
      " open(sys.argv[2], 'w', encoding='utf-8').write(chr(10).join(texts))\" " +
      dir_ / "dados.json" + " " + dir_ / "textos.txt";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;
  EXPECT_EQ(ReadBytes(dir_ / "textos.txt"),
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

TEST_F(CandidatesPageTest, AnEarlierPageIsReplacedWholeAndNothingIsLeftBeside) {
  WriteBytes(page_, std::string(100000, 'x'));
  corpus::WriteCandidatesPage(page_, testing_support::SampleCorpus());
  std::string page = ReadBytes(page_);
  EXPECT_EQ(page.rfind("<!DOCTYPE html>", 0), 0u);
  EXPECT_EQ(page.substr(page.size() - 8), "</html>\n");
  EXPECT_EQ(FileCount(dir_.Path()), 1u);

  // A folder that does not exist: the error, and no file made anywhere.
  EXPECT_THROW(
      corpus::WriteCandidatesPage(dir_ / "falta/candidatos.html", testing_support::SampleCorpus()),
      platform::FileError);
  EXPECT_EQ(FileCount(dir_.Path()), 1u);
}

}  // namespace
