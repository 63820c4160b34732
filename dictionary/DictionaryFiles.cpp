#include "dictionary/DictionaryFiles.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "detection/AppState.h"
#include "detection/CandidateList.h"
#include "detection/StatusLine.h"
#include "dictionary/DictionaryTable.h"
#include "platform/FileSystem.h"
#include "platform/TextFile.h"

bool MainDictionaryLoaded = false;

namespace {

std::string MainDictionaryPath() {
  return platform::PathUnder(AppDir, {"dicionarios", "dicionario_principal.txt"});
}
std::string UserDictionaryPath() {
  return platform::PathUnder(AppDir, {"dicionarios", "dicionario_usuario.txt"});
}

// "Status do software: carregando dicionários... N palavras carregadas",
// built in place: the loader shows it millions of times.
class LoadCountText {
 public:
  std::string_view For(std::uint64_t count) {
    char* digits = text_.data() + Prefix.size();
    char* end = std::to_chars(digits, digits + 20, count).ptr;
    end = std::copy(Suffix.begin(), Suffix.end(), end);
    return std::string_view(text_.data(), static_cast<std::size_t>(end - text_.data()));
  }

 private:
  static constexpr std::string_view Prefix = "Status do software: carregando dicion\xE1rios... ";
  static constexpr std::string_view Suffix = " palavras carregadas";
  std::array<char, Prefix.size() + 20 + Suffix.size()> text_ = [] {
    std::array<char, Prefix.size() + 20 + Suffix.size()> text{};
    std::copy(Prefix.begin(), Prefix.end(), text.begin());
    return text;
  }();
};

// Reads one dictionary file into the table, calling `onInserted` after each
// entry. Entries are read a few ahead of their insertion so that the table
// can fetch their places in advance.
template <typename Inserted>
void ReadDictionary(const std::string& path, std::uint8_t origin, Inserted onInserted) {
  constexpr std::size_t Ahead = 8;
  platform::LineReader reader(path);
  std::array<std::string, Ahead> pending;
  std::size_t read = 0;
  std::size_t inserted = 0;
  auto insertNext = [&] {
    InsertWord(pending[inserted % Ahead], origin);
    ++inserted;
    onInserted();
  };
  try {
    for (;;) {
      if (read - inserted < Ahead) {
        std::string& entry = pending[read % Ahead];
        if (reader.NextLine(entry)) {
          PrefetchWord(entry);
          ++read;
          continue;
        }
        break;
      }
      insertNext();
    }
  } catch (...) {
    // What was read before the failure still enters the table.
    while (inserted < read) insertNext();
    throw;
  }
  while (inserted < read) insertNext();
  reader.Close();
}

}  // namespace

void LoadDictionaries() {
  LoadCountText status;
  std::uint64_t count = 0;
  auto showCount = [&] { ShowStatus(status.For(++count)); };
  if (!MainDictionaryLoaded) {
    ReadDictionary(MainDictionaryPath(), 0, showCount);
    MainDictionaryLoaded = true;
  }
  ReadDictionary(UserDictionaryPath(), 1, showCount);
}

void ReadDictionaryFile(const std::string& path, std::uint8_t origin) {
  ReadDictionary(path, origin, [] {});
}

void StoreCandidates(bool storeNew) {
  if (!storeNew) return;
  std::vector<std::string_view> words;
  for (const neo* record = CandidateList.Head; record != nullptr; record = record->Next) {
    words.push_back(record->Term);
  }
  AppendToUserDictionary(UserDictionaryPath(), words);
}

void AppendToUserDictionary(const std::string& path, const std::vector<std::string_view>& words) {
  platform::AppendFile file(path);

  std::string block;
  std::vector<std::string_view> newWords;
  std::unordered_set<std::string> seen;  // folded, so that case variants count once
  for (std::string_view word : words) {
    if (WordOrigin(word) != 0 || !seen.insert(FoldCase(word)).second) continue;
    newWords.push_back(word);
    block += word;
    block += "\r\n";
  }
  if (!block.empty()) {
    // A last entry without a line break must not be joined to the first new word.
    if (file.Size() > 0) {
      unsigned char last = file.LastByte();
      if (last != '\r' && last != '\n') block.insert(0, "\r\n");
    }
    file.AppendBlock(block);
  }
  file.Close();
  for (std::string_view word : newWords) InsertWord(word, 1);
}
