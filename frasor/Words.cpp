#include "frasor/Words.h"

namespace frasor {
namespace {

// clang-format off
// Lower case, Windows-1252, sorted by byte value.
constexpr std::array<std::string_view, 55> SortedWordsThatCannotEnd = {
    "a", "ao", "aos", "as", "at\xE9", "com", "cuja", "cujas", "cujo", "cujos", "da", "das", "de",
    "desde", "do", "dos", "dum", "duma", "dumas", "duns", "e", "em", "entre", "lhe", "lhes",
    "mas", "me", "na", "nas", "nem", "no", "nos", "num", "numa", "numas", "nuns", "o", "os",
    "ou", "para", "pela", "pelas", "pelo", "pelos", "perante", "por", "pra", "que", "se", "sem",
    "sob", "sobre", "te", "\xE0", "\xE0s"
};

// Capitalised words that open sentences and are no names, in lower case,
// sorted.
constexpr std::array<std::string_view, 112> SortedSentenceOpeners = {
    "a", "ademais", "agora", "ainda", "algumas", "alguns", "al\xE9m", "antes", "ao", "aos",
    "ap\xF3s", "aquela", "aquele", "aqui", "as", "assim", "at\xE9", "cada", "com", "como",
    "contudo", "depois", "desde", "dois", "duas", "durante", "e", "ela", "elas", "ele", "eles",
    "em", "embora", "enquanto", "entre", "ent\xE3o", "era", "essa", "esse", "esta", "estamos",
    "este", "est\xE1", "est\xE3o", "eu", "foi", "foram", "havia", "hoje", "houve", "h\xE1",
    "isso", "isto", "j\xE1", "l\xE1", "mas", "mesmo", "muito", "na", "nada", "nas", "nem",
    "nessa", "nesse", "nesta", "neste", "no", "nos", "n\xE3o", "n\xF3s", "o", "onde", "os", "ou",
    "outra", "outro", "outros", "para", "pode", "podem", "pois", "por", "porque", "por\xE9m",
    "quando", "que", "quem", "se", "segundo", "sem", "seria", "seu", "sim", "sobre", "sua",
    "s\xF3", "talvez", "tamb\xE9m", "tem", "todavia", "todos", "tr\xEAs", "tudo",
    "t\xEAm", "um", "uma", "vai", "voc\xEA", "v\xE3o", "\xE0", "\xE0s", "\xE9"
};
// clang-format on
static_assert(std::is_sorted(SortedWordsThatCannotEnd.begin(), SortedWordsThatCannotEnd.end()));
static_assert(std::is_sorted(SortedSentenceOpeners.begin(), SortedSentenceOpeners.end()));

}  // namespace

bool CannotEndSentence(std::string_view word) {
  // Only as written in lower case: "A" and "E" also name things ("a vitamina A").
  if (word.empty() || word.size() > 7 || !IsLowercaseLetter(static_cast<unsigned char>(word[0])))
    return false;
  return std::binary_search(SortedWordsThatCannotEnd.begin(), SortedWordsThatCannotEnd.end(), word);
}

bool IsSentenceOpener(std::string_view word) {
  return IsListedInLowerCase<8>(SortedSentenceOpeners, word);
}

}  // namespace frasor
