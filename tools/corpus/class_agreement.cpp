// The classes of lexavia-corpus against a judged list: the candidates of
// corpora as words (the real segmenter, scanner and shipped dictionaries),
// and for each word of the list the class given by hand beside the class
// the Classifier gives.
//
//   class_agreement candidatos CORPUS_FOLDER...
//     every candidate word, most frequent first: palavra, frequencia,
//     dentro, maiuscula_dentro, classe, grafia_sugerida, razao, contexto
//   class_agreement medir JUDGED_TSV CORPUS_FOLDER...
//     the confusion table and each class's precision and recall
//
// JUDGED_TSV (UTF-8, a header row): palavra, classe, grafia_sugerida,
// contexto, julgamento ("lacuna" for a standard word the dictionary lacks:
// counted apart, as closed once the dictionary no longer reports it).
// tests/corpus/judged_classes.tsv holds 300 candidates of the
// shared UD texts (headline layout of ud-gsd and ud-bosque) drawn at random
// from the list "candidatos" prints, 200 beginning in lower case and 100
// others, each classed by hand in its sentence. The program finds the
// dictionary, the segmenter and the word lists of this build:
//
//   build/tools/corpus/class_agreement medir tests/corpus/judged_classes.tsv
//       ../shared/corpora/ud-gsd/headline/raw ../shared/corpora/ud-bosque/headline/raw
//   (one command line)
#include <algorithm>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "corpus/Classifier.h"
#include "corpus/FormGrouping.h"
#include "corpus/LetterCase.h"
#include "corpus/Utf8Text.h"
#include "detection/AppState.h"
#include "detection/CandidateList.h"
#include "detection/CandidateScanner.h"
#include "detection/SegmenterBridge.h"
#include "detection/WordChars.h"
#include "dictionary/DictionaryFiles.h"
#include "platform/TextFile.h"
#include "support/JoinedTexts.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;
using corpus::ClassName;
using corpus::CorpusWord;
using corpus::WordClass;

struct Word {
  CorpusWord data;
  std::string form;  // the most frequent
  corpus::Classification classification;
};

// Which of the sentence's words (`words`, the scanner's) the record's term
// is, from the word `from` on; words.size() when none.
std::size_t FindWord(const std::string& sentence, const std::vector<WordSpan>& words,
                     const std::string& term, std::size_t from) {
  for (std::size_t i = from; i < words.size(); ++i) {
    if (sentence.compare(words[i].start, words[i].length, term) == 0) return i;
  }
  return words.size();
}

// The candidate words of the corpus folders, by group key.
std::map<std::string, Word> CandidateWords(const std::vector<std::string>& folders) {
  testing_support::TempDir app;
  fs::create_directories(app / "dicionarios");
  fs::create_directories(app / "segmentador");
  fs::create_symlink(fs::absolute(LEXAVIA_MAIN_DICTIONARY),
                     app / "dicionarios/dicionario_principal.txt");
  testing_support::WriteBytes(app / "dicionarios/dicionario_usuario.txt", "");
  fs::create_symlink(fs::absolute(LEXAVIA_FRASOR), app / "segmentador/frasor.exe");
  std::string input = app / "corpus.txt";
  testing_support::JoinTexts(folders, input);

  AppDir = app.Path();
  LoadDictionaries();
  RunSegmenter(input);
  FindCandidates(input, false);

  std::map<std::string, Word> words;
  const std::string* line = nullptr;
  std::vector<WordSpan> lineWords;
  std::size_t from = 0;
  for (const neo* record = CandidateList.Head; record != nullptr; record = record->Next) {
    if (record->Sentence.get() != line) {
      line = record->Sentence.get();
      FindWords(*line, lineWords);
      from = 0;
    }
    std::size_t at = FindWord(*line, lineWords, record->Term, from);
    if (at == lineWords.size()) throw std::runtime_error("not in its sentence: " + record->Term);
    from = at + 1;
    bool inside = at > 0;  // not the sentence's first word
    CorpusWord& data = words[corpus::GroupKey(record->Term)].data;
    ++data.forms[record->Term];
    ++data.frequency;
    data.documents = 1;
    if (inside) {
      ++data.inside;
      if (corpus::IsUpperCaseLetter(record->Term.front())) ++data.capitalisedInside;
    }
    if (data.contexts.empty()) data.contexts.push_back({*line, 0});
  }
  FreeCandidates();

  corpus::Classifier classifier(LEXAVIA_CORPUS_LISTS);
  for (auto& [key, word] : words) {
    word.form = std::max_element(word.data.forms.begin(), word.data.forms.end(),
                                 [](const auto& a, const auto& b) { return a.second < b.second; })
                    ->first;
    word.classification = classifier.Classify(word.form, word.data);
  }
  return words;
}

void PrintCandidates(const std::map<std::string, Word>& words) {
  std::vector<const Word*> byFrequency;
  for (const auto& entry : words) byFrequency.push_back(&entry.second);
  std::stable_sort(byFrequency.begin(), byFrequency.end(), [](const Word* a, const Word* b) {
    return a->data.frequency > b->data.frequency;
  });
  std::printf(
      "palavra\tfrequencia\tdentro\tmaiuscula_dentro\tclasse\tgrafia_sugerida\trazao\tcontexto\n");
  for (const Word* word : byFrequency) {
    std::printf("%s\t%llu\t%llu\t%llu\t%s\t%s\t%s\t%s\n",
                corpus::Utf8FromWindows1252(word->form).c_str(),
                static_cast<unsigned long long>(word->data.frequency),
                static_cast<unsigned long long>(word->data.inside),
                static_cast<unsigned long long>(word->data.capitalisedInside),
                std::string(ClassName(word->classification.wordClass)).c_str(),
                corpus::Utf8FromWindows1252(word->classification.suggestion).c_str(),
                corpus::Utf8FromWindows1252(word->classification.reason).c_str(),
                corpus::Utf8FromWindows1252(word->data.contexts.front().sentence).c_str());
  }
}

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  std::stringstream stream(line);
  for (std::string field; std::getline(stream, field, '\t');) fields.push_back(field);
  return fields;
}

int Measure(const std::string& judgedPath, const std::map<std::string, Word>& words) {
  // A judged word (UTF-8) is found by any of its forms.
  std::map<std::string, const Word*> byForm;
  for (const auto& entry : words) {
    for (const auto& form : entry.second.data.forms)
      byForm[corpus::Utf8FromWindows1252(form.first)] = &entry.second;
  }
  constexpr int Classes = 8;
  auto classOf = [](const std::string& name) {
    for (int c = 0; c < Classes; ++c) {
      if (ClassName(static_cast<WordClass>(c)) == name) return c;
    }
    throw std::runtime_error("no such class: " + name);
  };
  int confusion[Classes][Classes] = {};
  int judged = 0, suggestionsRight = 0, misspellings = 0;
  int gaps = 0, gapsClosed = 0;
  std::istringstream judgedText(testing_support::ReadBytes(judgedPath));
  std::string line;
  std::getline(judgedText, line);  // the header
  while (std::getline(judgedText, line)) {
    std::vector<std::string> fields = Fields(line);
    if (fields.size() < 2) continue;
    auto found = byForm.find(fields[0]);
    bool gap = fields.size() > 4 && fields[4] == "lacuna";
    gaps += gap;
    if (found == byForm.end() && gap) {
      ++gapsClosed;
      continue;
    }
    if (found == byForm.end()) {
      std::fprintf(stderr, "not a candidate of these corpora: %s\n", fields[0].c_str());
      continue;
    }
    int given = classOf(fields[1]);
    int got = static_cast<int>(found->second->classification.wordClass);
    ++confusion[given][got];
    ++judged;
    if (given == static_cast<int>(WordClass::Grafia) && got == given) {
      ++misspellings;
      if (fields.size() > 2 &&
          corpus::Utf8FromWindows1252(found->second->classification.suggestion) == fields[2]) {
        ++suggestionsRight;
      }
    }
    if (got != given) {
      std::printf("  %-24s m\xC3\xA3o: %-17s classificador: %s (%s) %s\n", fields[0].c_str(),
                  fields[1].c_str(), std::string(ClassName(static_cast<WordClass>(got))).c_str(),
                  corpus::Utf8FromWindows1252(found->second->classification.reason).c_str(),
                  corpus::Utf8FromWindows1252(found->second->classification.suggestion).c_str());
    }
  }
  std::printf("\n%d judged words; rows: the class by hand, columns: the Classifier's\n%-18s",
              judged, "");
  for (int c = 0; c < Classes; ++c)
    std::printf(" %6.6s", std::string(ClassName(static_cast<WordClass>(c))).c_str());
  std::printf("   precision recall\n");
  int agreed = 0;
  for (int given = 0; given < Classes; ++given) {
    int rowTotal = 0, columnTotal = 0;
    std::printf("%-18s", std::string(ClassName(static_cast<WordClass>(given))).c_str());
    for (int got = 0; got < Classes; ++got) {
      std::printf(" %6d", confusion[given][got]);
      rowTotal += confusion[given][got];
      columnTotal += confusion[got][given];
    }
    agreed += confusion[given][given];
    auto percent = [](int part, int whole) { return whole == 0 ? 0.0 : 100.0 * part / whole; };
    std::printf("   %8.1f%% %5.1f%%\n", percent(confusion[given][given], columnTotal),
                percent(confusion[given][given], rowTotal));
  }
  std::printf("agreement %d of %d (%.1f%%); grafia_sugerida right in %d of %d\n", agreed, judged,
              judged == 0 ? 0.0 : 100.0 * agreed / judged, suggestionsRight, misspellings);
  std::printf("gaps (standard words judged lacuna): %d, of which %d still reported, %d no longer\n",
              gaps, gaps - gapsClosed, gapsClosed);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  try {
    if (args.size() >= 2 && args[0] == "candidatos") {
      PrintCandidates(CandidateWords({args.begin() + 1, args.end()}));
      return 0;
    }
    if (args.size() >= 3 && args[0] == "medir") {
      return Measure(args[1], CandidateWords({args.begin() + 2, args.end()}));
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "class_agreement: %s\n", error.what());
    return 1;
  }
  std::fprintf(
      stderr,
      "usage: class_agreement candidatos CORPUS_FOLDER... | medir JUDGED_TSV CORPUS_FOLDER...\n");
  return 2;
}
