// Arbitrary bytes as the dictionary files of a scratch AppDir, read by
// LoadDictionaries. Every entry that reaches the table must be a line of the
// files by the line rules, in order, with the origin of the first file that
// holds it, and the loader must show one running count per line read.
//
// Input: a mode byte (which file gets the bytes), a padding byte and a
// filler byte (how many bytes of which filler go in front, up to the length
// of the reader's buffer), then the bytes.
#include <sys/stat.h>

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "detection/AppState.h"
#include "detection/StatusLine.h"
#include "dictionary/DictionaryFiles.h"
#include "dictionary/DictionaryTable.h"
#include "fuzz/FuzzSupport.h"

namespace {

using fuzz_support::Folded;
using fuzz_support::ReferenceLines;

const std::string StatusPrefix = "Status do software: carregando dicion\xE1rios... ";
const std::string StatusSuffix = " palavras carregadas";

std::vector<std::string>& Statuses() {
  static std::vector<std::string> statuses;
  return statuses;
}

struct Files {
  std::string main;
  std::string user;
};

Files MakeFiles(fuzz_support::Input& input) {
  std::uint8_t mode = input.TakeByte();
  std::uint8_t pad = input.TakeByte();
  std::uint8_t filler = input.TakeByte();
  // Fillers that make long lines, runs of blanks or runs of empty lines.
  constexpr std::string_view Fillers[] = {"x", " ", "\r", "a\n"};
  std::string bytes =
      fuzz_support::Padding(fuzz_support::PaddingLength(pad, {1 << 16}), Fillers[filler % 4]) +
      std::string(input.Rest());
  switch (mode % 3) {
    case 0:
      return {bytes, ""};
    case 1:
      return {"", bytes};
    default: {
      std::size_t half = bytes.size() / 2;
      return {bytes.substr(0, half), bytes.substr(half)};
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  AppDir = fuzz_support::Scratch().Path();
  mkdir((AppDir + "/dicionarios").c_str(), 0755);
  SetStatusSink([](std::string_view text) { Statuses().emplace_back(text); });
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz_support::Input input(data, size);
  Files files = MakeFiles(input);
  fuzz_support::WriteFile(AppDir + "/dicionarios/dicionario_principal.txt", files.main);
  fuzz_support::WriteFile(AppDir + "/dicionarios/dicionario_usuario.txt", files.user);

  ClearDictionary();
  MainDictionaryLoaded = false;
  Statuses().clear();
  LoadDictionaries();
  FUZZ_REQUIRE(MainDictionaryLoaded);

  // The entries the line rules give, folded, once each, in the order of
  // their first line, with the origin of that line's file.
  std::vector<std::pair<std::string, std::uint8_t>> expected;
  std::map<std::string, std::uint8_t> seen;
  std::size_t lineCount = 0;
  for (auto [bytes, origin] : {std::pair{&files.main, 0}, std::pair{&files.user, 1}}) {
    for (const std::string& line : ReferenceLines(*bytes)) {
      ++lineCount;
      FUZZ_REQUIRE(!line.empty());
      std::string folded = Folded(line);
      if (seen.emplace(folded, origin).second) {
        expected.emplace_back(folded, static_cast<std::uint8_t>(origin));
      }
    }
  }

  // One status per line read, counting on from 1.
  FUZZ_REQUIRE(Statuses().size() == lineCount);
  for (std::size_t i = 0; i < Statuses().size(); ++i) {
    FUZZ_REQUIRE(Statuses()[i] == StatusPrefix + std::to_string(i + 1) + StatusSuffix);
  }

  FUZZ_REQUIRE(DictionaryTable.Count() == expected.size());
  std::size_t index = 0;
  DictionaryTable.ForEachEntry([&](const bloco& entry) {
    FUZZ_REQUIRE(index < expected.size());
    FUZZ_REQUIRE(entry.Word == expected[index].first);
    FUZZ_REQUIRE(entry.Origin == expected[index].second);
    ++index;
  });
  FUZZ_REQUIRE(index == expected.size());
  for (const auto& [word, origin] : expected) {
    FUZZ_REQUIRE(DictionaryTable.Find(word) == origin);
    FUZZ_REQUIRE(WordOrigin(word) == origin);
  }
  ClearDictionary();
  return 0;
}
