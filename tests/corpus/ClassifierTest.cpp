// The classes of lexavia-corpus over a small dictionary loaded through the
// dictionary table, the tracked lists of data/corpus/ and a small list of
// foreign words, all in a temporary folder.
#include "corpus/Classifier.h"

#include <filesystem>
#include <memory>

#include <gtest/gtest.h>

#include "detection/AppState.h"
#include "dictionary/DictionaryFiles.h"
#include "dictionary/DictionaryTable.h"
#include "support/TempDir.h"

namespace {

using corpus::Classification;
using corpus::CorpusWord;
using corpus::WordClass;
using testing_support::TempDir;
using testing_support::WriteBytes;

// Windows-1252, one word a line, as the shipped dictionary.
constexpr const char* KnownWords[] = {
    "caf\xE9",          "pouco",      "r\xE1pida",    "lindo",
    "informa\xE7\xE3o", "n\xEDvel",   "conselheiro",  "privil\xE9gio",
    "exce\xE7\xE3o",    "cess\xE3o",  "confinamento", "vacina",
    "ministro",         "bolsonaro",  "apagar",       "apago",
    "lembrou",          "fazer",      "c\xE1vea",     "na\xE7\xE3o",
    "cascatares",       "passarelli", "exemplo",      "estudo",
    "princ\xEDpio",     "casa",       "se",           "lo",
    "governo",          "social",     "zorbaxism",    "pretens\xE3o",
};

// The foreign list: a word also known with an accent, and a known word
// that is foreign too (passarelli).
constexpr const char* ForeignList = "# test list\ncavea\nonline\npassarelli\n";

class ClassifierTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder_ = std::make_unique<TempDir>();
    std::filesystem::create_directory(*folder_ / "dicionarios");
    std::string dictionary;
    for (const char* word : KnownWords) dictionary += std::string(word) + "\r\n";
    WriteBytes(*folder_ / "dicionarios/dicionario_principal.txt", dictionary);
    WriteBytes(*folder_ / "dicionarios/dicionario_usuario.txt", "");
    AppDir = folder_->Path();
    MainDictionaryLoaded = false;
    ClearDictionary();
    LoadDictionaries();

    std::string lists = *folder_ / "corpus";
    std::filesystem::create_directory(lists);
    for (const char* name : {"prefixos.txt", "sufixos.txt", "confusoes.txt", "cliticos.txt"}) {
      std::filesystem::copy_file(std::string(LEXAVIA_CORPUS_LISTS) + "/" + name,
                                 lists + "/" + name);
    }
    WriteBytes(lists + "/estrangeiras.txt", ForeignList);
    classifier_ = std::make_unique<corpus::Classifier>(lists);
  }
  static void TearDownTestSuite() {
    classifier_.reset();
    FreeDictionary();
    folder_.reset();
  }

  // `word` in lower case inside its sentences, as most candidates are.
  static Classification Lower(const std::string& word) { return Of(word, 3, 0, {}); }
  static Classification Of(const std::string& word, std::uint64_t inside,
                           std::uint64_t capitalisedInside, const std::string& sentence) {
    CorpusWord data;
    data.forms[word] = inside + 1;
    data.frequency = inside + 1;
    data.inside = inside;
    data.capitalisedInside = capitalisedInside;
    if (!sentence.empty()) data.contexts.push_back({sentence, 0});
    return classifier_->Classify(word, data);
  }

  static inline std::unique_ptr<TempDir> folder_;
  static inline std::unique_ptr<corpus::Classifier> classifier_;
};

TEST_F(ClassifierTest, PunctuationMakesFragmentsWhateverTheCase) {
  for (const char* word : {"-se", "casa-", "-", "--", "bem--feito", "PSI-"}) {
    EXPECT_EQ(Lower(word).wordClass, WordClass::Fragmento) << word;
  }
  EXPECT_NE(Lower("ex-ministro").wordClass, WordClass::Fragmento);
}

TEST_F(ClassifierTest, CapitalsTellAcronymsAndNames) {
  EXPECT_EQ(Of("ONU", 5, 5, {}).wordClass, WordClass::Sigla);  // before the name test
  EXPECT_EQ(Of("ONGs", 2, 2, {}).wordClass, WordClass::Sigla);
  // A known word in a headline's capitals is no acronym.
  EXPECT_EQ(Of("NA\xC7\xC3O", 1, 1, {}).wordClass, WordClass::Outra);
  EXPECT_EQ(Of("Summavielle", 3, 3, {}).wordClass, WordClass::NomeProprio);
  EXPECT_NE(Of("Summavielle", 4, 2, {}).wordClass, WordClass::NomeProprio);  // not most
  // Capitalised only at sentence starts says nothing: the word is judged as
  // written in lower case.
  EXPECT_EQ(Of("Cafezinho", 0, 0, {}).wordClass, WordClass::DerivacaoRegular);
}

TEST_F(ClassifierTest, AccentsMissingOrWrongGiveTheKnownWord) {
  for (auto [word, known] : {std::pair{"informacao", "informa\xE7\xE3o"},
                             {"nivel", "n\xEDvel"},
                             {"n\xEEvel", "n\xEDvel"}}) {
    Classification result = Lower(word);
    EXPECT_EQ(result.wordClass, WordClass::Grafia) << word;
    EXPECT_EQ(result.suggestion, known) << word;
  }
}

TEST_F(ClassifierTest, SlipsOfLongWordsGiveTheKnownWord) {
  EXPECT_EQ(Lower("consellheiro").suggestion, "conselheiro");      // doubled
  EXPECT_EQ(Lower("previl\xE9gio").suggestion, "privil\xE9gio");   // e for i
  EXPECT_EQ(Lower("preten\xE7\xE3o").suggestion, "pretens\xE3o");  // ç for s
  EXPECT_EQ(Lower("prinic\xEDpio").suggestion, "princ\xEDpio");    // a letter added
  EXPECT_EQ(Lower("preten\xE7\xE3o").wordClass, WordClass::Grafia);
}

TEST_F(ClassifierTest, NearMissesAreNotNoise) {
  // Short words are one slip from some known word by chance.
  EXPECT_EQ(Lower("mestudo").wordClass, WordClass::Outra);
  // A coinage of known parts is a formation, not a slip of a known word.
  EXPECT_EQ(Lower("desconfinamento").wordClass, WordClass::Formacao);
  // -ão also makes new nouns: no augmentative by rule.
  EXPECT_EQ(Lower("apag\xE3o").wordClass, WordClass::Outra);
  // A productive suffix on an unknown base makes a formation of a name the
  // dictionary lacks, not a slip of a known word.
  EXPECT_NE(Lower("zorbaxismo").wordClass, WordClass::Grafia);
  EXPECT_EQ(Lower("zorbaxxism").suggestion, "zorbaxism");
  // A known word that is also foreign is no word a writer meant.
  EXPECT_NE(Lower("passarelle").wordClass, WordClass::Grafia);
  // A name seen only at sentence starts is no slip.
  EXPECT_EQ(Of("Cascatarres", 0, 0, {}).wordClass, WordClass::Outra);
  EXPECT_EQ(Lower("cascatarres").wordClass, WordClass::Grafia);
  // ex- joins only by a hyphen: excessão is no ex- + cessão.
  EXPECT_NE(Lower("excess\xE3o").wordClass, WordClass::Formacao);
}

TEST_F(ClassifierTest, RegularDerivationsNameTheirBase) {
  for (auto [word, base] : {std::pair{"cafezinho", "caf\xE9"},
                            {"pouquinho", "pouco"},
                            {"rapidamente", "r\xE1pida"},
                            {"lind\xEDssimo", "lindo"}}) {
    Classification result = Lower(word);
    EXPECT_EQ(result.wordClass, WordClass::DerivacaoRegular) << word;
    EXPECT_NE(result.reason.find(base), std::string::npos) << word << ": " << result.reason;
  }
}

TEST_F(ClassifierTest, ForeignWordsByListOrSpelling) {
  EXPECT_EQ(Lower("online").wordClass, WordClass::Estrangeirismo);
  // The list before the accents: cávea is known, but cavea is listed.
  EXPECT_EQ(Lower("cavea").wordClass, WordClass::Estrangeirismo);
  for (const char* word :
       {"kuduro", "smartphone", "download", "blogs", "flashback", "cappuccino"}) {
    EXPECT_EQ(Lower(word).wordClass, WordClass::Estrangeirismo) << word;
  }
  for (const char* word : {"casas", "homens", "ravenais"}) {
    EXPECT_NE(Lower(word).wordClass, WordClass::Estrangeirismo) << word;
  }
}

TEST_F(ClassifierTest, FormationsOfKnownParts) {
  for (const char* word : {"antivacina", "antissocial", "ex-ministro", "anti-Khawaga",
                           "bolsonarismo", "bolsonaristas", "casa-governo"}) {
    EXPECT_EQ(Lower(word).wordClass, WordClass::Formacao) << word;
  }
  // A capital after a word that is no prefix makes a name (al-Khawaga).
  EXPECT_NE(Lower("casa-Khawaga").wordClass, WordClass::Formacao);
  // A verb with its pronoun is standard Portuguese, no formation.
  for (const char* word : {"lembrou-se", "faz\xEA-lo"}) {
    EXPECT_EQ(Lower(word).wordClass, WordClass::Outra) << word;
  }
}

TEST_F(ClassifierTest, PiecesOfWebAddressesAreNotWords) {
  EXPECT_EQ(Of("exemplinho", 1, 0, "Veja www.exemplinho.com.br hoje. ").wordClass,
            WordClass::Outra);
  EXPECT_EQ(Of("exemplinho", 1, 0, "Um exemplinho. ").wordClass, WordClass::DerivacaoRegular);
}

}  // namespace
