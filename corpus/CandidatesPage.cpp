#include "corpus/CandidatesPage.h"

#include "platform/TextFile.h"

namespace corpus {

void WriteCandidatesPage(const std::string& path, const CorpusResult&) {
  platform::OutputFile page = platform::OutputFile::Create(path);
  page.Write("<!DOCTYPE html>\n<meta charset=\"utf-8\">\n<title>Candidatos</title>\n");
  page.Close();
}

}  // namespace corpus
