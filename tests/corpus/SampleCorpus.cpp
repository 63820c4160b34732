#include "corpus/SampleCorpus.h"

#include <algorithm>
#include <random>
#include <string>

namespace testing_support {
namespace {

corpus::CandidateRow Row(std::string word, corpus::WordClass wordClass, std::uint64_t frequency,
                         std::uint32_t documents, std::uint32_t firstDocument) {
  corpus::CandidateRow row;
  row.word = std::move(word);
  row.classification.wordClass = wordClass;
  row.data.forms[row.word] = frequency;
  row.data.frequency = frequency;
  row.data.documents = documents;
  row.data.firstDocument = firstDocument;
  return row;
}

}  // namespace

corpus::CorpusResult SampleCorpus() {
  using corpus::WordClass;
  corpus::CorpusResult result;
  result.documents = {{"2024-01-15-jornal.txt", 20240115},
                      {"<img src=x onerror=\"window.atacado=1\">.txt", 0},
                      {"2024-03-02 cr\xC3\xB4nica\xE2\x80\xA8.txt", 20240302}};

  corpus::CandidateRow tuitar = Row("tuitar", WordClass::Formacao, 12, 3, 0);
  tuitar.data.forms = {{"tuitar", 9}, {"Tuitar", 2}, {"tuitares", 1}};
  tuitar.data.firstDate = 20240115;
  tuitar.data.lastDate = 20240302;
  tuitar.data.perMonth = {{202401, 7}, {202403, 5}};
  tuitar.data.contexts = {{"Vou tuitar isso.", 0},
                          {"</script><script>window.atacado=2</script> tuitar <!-- fim", 1},
                          {"Tuitar \x93sempre\x94 \x96 disse.", 2}};
  tuitar.classification.reason = "tuit- + -ar";

  corpus::CandidateRow name = Row("Bolsonarismo", WordClass::NomeProprio, 8, 2, 2);
  name.data.firstDate = name.data.lastDate = 20240302;
  name.data.perMonth = {{202403, 8}};
  name.data.contexts = {{"O Bolsonarismo cresce.", 2}};
  name.decision = "rejeitada";
  name.note = "nome & <b>pr\xF3prio</b>";
  name.decisionDate = "2026-01-02";

  corpus::CandidateRow misspelt = Row("excess\xE3o", WordClass::Grafia, 5, 1, 1);
  misspelt.classification.suggestion = "exce\xE7\xE3o";
  misspelt.data.contexts = {{"Uma excess\xE3o & outra.", 1}};

  corpus::CandidateRow formation = Row("ciberativismo", WordClass::Formacao, 3, 1, 0);
  formation.data.firstDate = formation.data.lastDate = 20240115;
  formation.data.perMonth = {{202401, 3}};
  formation.data.contexts = {{"O ciberativismo chegou.", 0}};

  corpus::CandidateRow fragment = Row("-se", WordClass::Fragmento, 2, 1, 1);
  fragment.data.contexts = {{"Fez -se tarde.", 1}};

  corpus::CandidateRow other = Row("zapear", WordClass::Outra, 1, 1, 1);
  other.data.contexts = {{"Zapear \xE9 bom.", 1}};

  result.rows = {tuitar, name, misspelt, formation, fragment, other};
  result.otherDecisions = {{"blogar", "neologismo", "de 2023", "2023-05-01"}};
  return result;
}

corpus::CorpusResult GeneratedCorpus(std::size_t rows) {
  constexpr std::uint32_t Documents = 2000;
  std::mt19937 random(static_cast<unsigned>(rows));
  corpus::CorpusResult result;
  for (corpus::Date i = 0; i < Documents; ++i) {
    corpus::Date date = 20200101 + i / 336 * 10000 + i / 28 % 12 * 100 + i % 28;
    result.documents.push_back(
        {"not\xC3\xAD"
         "cias/" +
             std::to_string(date) + ".txt",
         date});
  }
  for (std::size_t i = 0; i < rows; ++i) {
    // A Zipf-like fall: a few frequent words, most of them seen once.
    std::uint64_t frequency = 1 + 200000 / (i + 100) / (i % 3 + 1);
    auto firstDocument = static_cast<std::uint32_t>(random() % Documents);
    corpus::CandidateRow row = Row(
        "palavr" + std::to_string(i) + "\xE7\xE3o", static_cast<corpus::WordClass>(random() % 8),
        frequency, static_cast<std::uint32_t>(std::min<std::uint64_t>(frequency, Documents)),
        firstDocument);
    row.data.firstDate = row.data.lastDate = result.documents[firstDocument].date;
    row.data.perMonth[row.data.firstDate / 100] = frequency;
    for (std::size_t c = 0; c < std::min<std::uint64_t>(frequency, corpus::ContextCap); ++c) {
      row.data.contexts.push_back(
          {"Uma frase de jornal com a " + row.word + " no meio, \xE9 comum.",
           static_cast<std::uint32_t>(random() % Documents)});
    }
    result.rows.push_back(std::move(row));
  }
  return result;
}

}  // namespace testing_support
