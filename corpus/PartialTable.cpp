#include "corpus/PartialTable.h"

#include <algorithm>
#include <charconv>
#include <string_view>

#include "corpus/CandidatesTable.h"
#include "corpus/FormGrouping.h"
#include "corpus/Utf8Text.h"
#include "platform/FileSystem.h"
#include "platform/ReplacementFile.h"
#include "platform/TextFile.h"

namespace corpus {
namespace {

constexpr std::string_view Header = "lexavia-corpus parcial 1";

std::string Escaped(std::string_view text) {
  static constexpr char Hex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(text.size());
  for (char byte : text) {
    auto value = static_cast<unsigned char>(byte);
    if (value < 32 || byte == '\\') {
      out += "\\x";
      out += Hex[value >> 4];
      out += Hex[value & 15];
    } else {
      out += byte;
    }
  }
  return out;
}

class PartialReader {
 public:
  explicit PartialReader(const std::string& path) : path_(path), reader_(path) {}

  [[noreturn]] void Fail(std::string_view what) const {
    throw PartialTableError("tabela parcial danificada: " + path_ + " (linha " +
                            std::to_string(lineNumber_) + ": " + std::string(what) + ")");
  }

  // The next line's tab-separated fields; the first must be `tag`, and
  // there must be `count` in all.
  const std::vector<std::string_view>& Next(std::string_view tag, std::size_t count) {
    ++lineNumber_;
    if (!reader_.NextLine(line_)) Fail("o arquivo termina antes do fim");
    fields_.clear();
    std::string_view rest = line_;
    for (;;) {
      std::size_t tab = rest.find('\t');
      fields_.push_back(rest.substr(0, tab));
      if (tab == std::string_view::npos) break;
      rest.remove_prefix(tab + 1);
    }
    if (fields_[0] != tag) Fail("esperava-se \"" + std::string(tag) + "\"");
    if (fields_.size() != count) Fail("número de campos errado");
    return fields_;
  }

  std::uint64_t Number(std::string_view field, std::uint64_t limit) const {
    std::uint64_t value = 0;
    auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (field.empty() || error != std::errc() || end != field.data() + field.size() ||
        value > limit) {
      Fail("número inválido");
    }
    return value;
  }

  std::string Text(std::string_view field) const {
    std::string out;
    out.reserve(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
      if (field[i] != '\\') {
        out += field[i];
        continue;
      }
      unsigned value = 0;
      if (i + 3 >= field.size()) Fail("escape inválido");
      if (field[i + 1] != 'x' ||
          std::from_chars(field.data() + i + 2, field.data() + i + 4, value, 16).ptr !=
              field.data() + i + 4) {
        Fail("escape inválido");
      }
      out += static_cast<char>(value);
      i += 3;
    }
    return out;
  }

  void Close() { reader_.Close(); }

 private:
  std::string path_;
  platform::LineReader reader_;
  std::string line_;
  std::vector<std::string_view> fields_;
  std::uint64_t lineNumber_ = 0;
};

Date CheckedDate(const PartialReader& reader, std::string_view field) {
  auto date = static_cast<Date>(reader.Number(field, 99991231));
  if (date != 0 &&
      (date / 100 % 100 < 1 || date / 100 % 100 > 12 || date % 100 < 1 || date % 100 > 31)) {
    reader.Fail("data inválida");
  }
  return date;
}

}  // namespace

void WritePartialTable(const std::string& path, const PartialTable& partial) {
  platform::ReplacementFile replacement(path);
  platform::OutputFile& output = replacement.File();
  std::string line;
  output.Write(std::string(Header) + "\n");
  output.Write("documentos\t" + std::to_string(partial.documents.size()) + "\n");
  for (const Document& document : partial.documents) {
    output.Write("d\t" + std::to_string(document.date) + "\t" +
                 Escaped(Utf8FromSystemName(document.name)) + "\n");
  }
  output.Write("palavras\t" + std::to_string(partial.table.size()) + "\n");
  // In key order, so that one table is always written the same way.
  std::vector<const CorpusTable::value_type*> words;
  words.reserve(partial.table.size());
  for (const auto& entry : partial.table) words.push_back(&entry);
  std::sort(words.begin(), words.end(),
            [](const auto* a, const auto* b) { return a->first < b->first; });
  for (const auto* entry : words) {
    const CorpusWord& word = entry->second;
    line = "p";
    for (std::uint64_t value :
         {word.frequency, word.inside, word.capitalisedInside, std::uint64_t{word.documents},
          std::uint64_t{word.firstDocument}, std::uint64_t{word.firstDate},
          std::uint64_t{word.lastDate}, std::uint64_t{word.forms.size()},
          std::uint64_t{word.perMonth.size()}, std::uint64_t{word.contexts.size()}}) {
      line += '\t';
      line += std::to_string(value);
    }
    line += '\n';
    for (const auto& [form, count] : word.forms) {
      line += "f\t" + std::to_string(count) + '\t' + Escaped(Utf8FromWindows1252(form)) + '\n';
    }
    for (const auto& [month, count] : word.perMonth) {
      line += "m\t" + std::to_string(month) + '\t' + std::to_string(count) + '\n';
    }
    for (const Context& context : word.contexts) {
      line += "c\t" + std::to_string(context.document) + '\t' +
              Escaped(Utf8FromWindows1252(context.sentence)) + '\n';
    }
    output.Write(line);
  }
  output.Write("fim\n");
  output.Close();
  replacement.Commit();
}

PartialTable ReadPartialTable(const std::string& path) {
  PartialReader reader(path);
  PartialTable partial;
  constexpr std::uint64_t Most = ~std::uint64_t{0};
  constexpr std::uint64_t MostIndex = 0xFFFFFFFFu;

  reader.Next(Header, 1);  // another version, or no partial table at all, fails here
  std::uint64_t documentCount = reader.Number(reader.Next("documentos", 2)[1], MostIndex);
  for (std::uint64_t i = 0; i < documentCount; ++i) {
    const auto& fields = reader.Next("d", 3);
    Date date = CheckedDate(reader, fields[1]);
    partial.documents.push_back(Document{SystemNameFromUtf8(reader.Text(fields[2])), date});
  }
  std::uint64_t wordCount = reader.Number(reader.Next("palavras", 2)[1], Most);
  for (std::uint64_t i = 0; i < wordCount; ++i) {
    const auto& fields = reader.Next("p", 11);
    CorpusWord word;
    word.frequency = reader.Number(fields[1], Most);
    word.inside = reader.Number(fields[2], word.frequency);
    word.capitalisedInside = reader.Number(fields[3], word.inside);
    word.documents = static_cast<std::uint32_t>(reader.Number(fields[4], documentCount));
    if (word.documents == 0) reader.Fail("palavra sem documentos");
    word.firstDocument = static_cast<std::uint32_t>(reader.Number(fields[5], documentCount - 1));
    word.firstDate = CheckedDate(reader, fields[6]);
    word.lastDate = CheckedDate(reader, fields[7]);
    std::uint64_t forms = reader.Number(fields[8], word.frequency);
    std::uint64_t months = reader.Number(fields[9], word.frequency);
    std::uint64_t contexts = reader.Number(fields[10], ContextCap);
    if (forms == 0) reader.Fail("palavra sem formas");
    std::uint64_t formTotal = 0;
    for (std::uint64_t k = 0; k < forms; ++k) {
      const auto& form = reader.Next("f", 3);
      std::uint64_t count = reader.Number(form[1], word.frequency);
      std::string text = Windows1252FromUtf8(reader.Text(form[2]));
      if (text.empty() || !word.forms.emplace(std::move(text), count).second) {
        reader.Fail("forma inválida");
      }
      formTotal += count;
    }
    if (formTotal != word.frequency) reader.Fail("as formas não somam a frequência");
    for (std::uint64_t k = 0; k < months; ++k) {
      const auto& month = reader.Next("m", 3);
      auto yearMonth = static_cast<std::uint32_t>(reader.Number(month[1], 999912));
      word.perMonth[yearMonth] += reader.Number(month[2], word.frequency);
    }
    for (std::uint64_t k = 0; k < contexts; ++k) {
      const auto& context = reader.Next("c", 3);
      auto document = static_cast<std::uint32_t>(reader.Number(context[1], documentCount - 1));
      if (!word.contexts.empty() && document < word.contexts.back().document) {
        reader.Fail("contextos fora de ordem");
      }
      word.contexts.push_back(Context{Windows1252FromUtf8(reader.Text(context[2])), document});
    }
    std::string key = GroupKey(word.forms.begin()->first);
    if (!partial.table.emplace(std::move(key), std::move(word)).second) {
      reader.Fail("palavra repetida");
    }
  }
  reader.Next("fim", 1);
  reader.Close();
  return partial;
}

void AppendPartialTable(PartialTable& into, const PartialTable& part) {
  auto offset = static_cast<std::uint32_t>(into.documents.size());
  into.documents.insert(into.documents.end(), part.documents.begin(), part.documents.end());
  for (const auto& [key, word] : part.table) {
    CorpusWord moved = word;
    moved.firstDocument += offset;
    for (Context& context : moved.contexts) context.document += offset;
    MergeInto(into.table[key], moved, into.documents);
  }
}

}  // namespace corpus
