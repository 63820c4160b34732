#include "dictionary/DictionaryFiles.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "detection/AppState.h"
#include "detection/CandidateList.h"
#include "detection/StatusLine.h"
#include "dictionary/DictionaryTable.h"
#include "dictionary/PreparedLineFeed.h"
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

// The bytes a dictionary line takes on average, CR LF included: about 15.4
// in the shipped main dictionary. Enough to size the table's index from a
// file's length before its lines are read.
constexpr std::uint64_t BytesPerEntry = 16;

// Reads one dictionary file into the table, calling `onInserted` after each
// entry. The lines are read and hashed on a second thread (PreparedLineFeed),
// which also has the system provide the entries' storage ahead of them;
// each is announced to the table a few entries ahead of its insertion, so
// that the table's cache misses overlap. Lines read before a failure still
// enter the table before the failure is thrown.
template <typename Inserted>
void ReadDictionary(const std::string& path, std::uint8_t origin, Inserted onInserted) {
  constexpr std::size_t Ahead = 8;
  platform::LineReader reader(path);
  DictionaryTable.Reserve(DictionaryTable.Count() +
                          static_cast<std::size_t>(reader.Size() / BytesPerEntry));
  {
    // Storage made resident ahead and not filled is not kept, even when the
    // load fails.
    struct ReleaseUnfilled {
      ~ReleaseUnfilled() { DictionaryTable.ReleaseUnfilledStorage(); }
    } releaseUnfilled;
    PreparedLineFeed feed(reader);
    for (std::span<const PreparedWord> lines = feed.Next(); !lines.empty(); lines = feed.Next()) {
      for (platform::LargeBlock& chunk : feed.TakeResidentChunks())
        DictionaryTable.GiveChunk(std::move(chunk));
      for (std::size_t i = 0; i < std::min(Ahead, lines.size()); ++i) PrefetchWord(lines[i]);
      for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i + Ahead < lines.size()) PrefetchWord(lines[i + Ahead]);
        InsertWord(lines[i], origin);
        onInserted();
      }
    }
  }
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
