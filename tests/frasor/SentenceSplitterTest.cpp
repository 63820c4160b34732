#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "frasor/SentenceSplitter.h"

namespace {

using Sentences = std::vector<std::string>;

Sentences Split(std::string_view paragraph) {
  Sentences sentences;
  frasor::SplitSentences(paragraph, [&](std::string_view s) { sentences.emplace_back(s); });
  return sentences;
}

// Expects `text` to stay one sentence.
void ExpectOneSentence(std::string_view text) {
  EXPECT_EQ(Split(text), Sentences{std::string(text)});
}

}  // namespace

TEST(SentenceSplitter, EndsSentencesAtMarksBeforeANewSentence) {
  EXPECT_EQ(Split("Ele chegou. Ela saiu! Quem ficou? Ningu\xE9m."),
            (Sentences{"Ele chegou.", "Ela saiu!", "Quem ficou?", "Ningu\xE9m."}));
  EXPECT_EQ(Split("Esperou\x85 Depois foi embora."),
            (Sentences{"Esperou\x85", "Depois foi embora."}));
  EXPECT_EQ(Split("Foi em 2010. 30 pessoas vieram."),
            (Sentences{"Foi em 2010.", "30 pessoas vieram."}));
}

TEST(SentenceSplitter, DropsBlanksAtTheEndsOfSentencesOnly) {
  EXPECT_EQ(Split("  Um  dois.   Tr\xEAs\t"), (Sentences{"Um  dois.", "Tr\xEAs"}));
  EXPECT_TRUE(Split(" \t ").empty());
}

TEST(SentenceSplitter, KeepsClosingQuotesAndBracketsWithTheSentence) {
  EXPECT_EQ(Split("Ele disse: \"Vou.\" Ela riu."), (Sentences{"Ele disse: \"Vou.\"", "Ela riu."}));
  EXPECT_EQ(Split("(Veja abaixo.) Depois veio."), (Sentences{"(Veja abaixo.)", "Depois veio."}));
  EXPECT_EQ(Split("Ele disse \xAB"
                  "chega!\xBB Ela calou."),
            (Sentences{"Ele disse \xAB"
                       "chega!\xBB",
                       "Ela calou."}));
}

TEST(SentenceSplitter, KeepsNamesAfterTitlesAndInitialsInOneSentence) {
  ExpectOneSentence("O Sr. Silva e a Sra. Costa vieram.");
  ExpectOneSentence("Falou com o dr. Pedro e a Dra. Ana.");
  ExpectOneSentence("O prof. Lima e o eng. Souza chegaram.");
  ExpectOneSentence("Moram em S. Paulo, perto de D. Pedro.");
  ExpectOneSentence("Ouviu J. S. Bach e leu H.R. McMaster.");
  ExpectOneSentence("A Cia. Vale cresceu.");
}

TEST(SentenceSplitter, KeepsNumbersAfterAbbreviationsInOneSentence) {
  ExpectOneSentence("Veja o art. 5 da lei, na p\xE1g. 12 do livro.");
  ExpectOneSentence("Ligue para o tel. 555 ou leia o n\xBA. 3 do ed. 2.");
  ExpectOneSentence(
      "Na av. Paulista, no s\xE9"
      "c. XX, tudo mudou.");
}

TEST(SentenceSplitter, EndsSentencesAfterAbbreviationsAndInitialsBeforeSentenceOpeners) {
  EXPECT_EQ(Split("Ficou em quarto no Grupo A. Em seguida venceu."),
            (Sentences{"Ficou em quarto no Grupo A.", "Em seguida venceu."}));
  EXPECT_EQ(Split("Comprou p\xE3o, leite etc. Depois saiu."),
            (Sentences{"Comprou p\xE3o, leite etc.", "Depois saiu."}));
  EXPECT_EQ(Split("Falou com a Sra. \"Nunca\", disse."),
            (Sentences{"Falou com a Sra.", "\"Nunca\", disse."}));
}

TEST(SentenceSplitter, KeepsLowerCaseContinuationsInOneSentence) {
  ExpectOneSentence("Trouxe frutas, legumes etc. para todos.");
  ExpectOneSentence("\"Socorro!\" gritou ele, e \"Fogo?\" perguntou ela.");
  ExpectOneSentence("\"Socorro!\", gritou ele.");
}

TEST(SentenceSplitter, KeepsMarksInsideTokensAndOmissions) {
  ExpectOneSentence("Custou 3.5 mil, ou 1.000 reais.");
  ExpectOneSentence("Escreva para ana.lima@exemplo.com.br ou veja www.ufrj.br hoje.");
  ExpectOneSentence("Ele disse (...) que viria e [...] Maria concordou.");
  ExpectOneSentence("Reinou (535 a.C. -- 496 a.C.) em Roma.");
  EXPECT_EQ(Split("Visite www.ufrj.br. Depois volte."),
            (Sentences{"Visite www.ufrj.br.", "Depois volte."}));
}

TEST(SentenceSplitter, StartsSentencesWithDialogueDashes) {
  EXPECT_EQ(Split("Ele parou. -- E ela disse que sim."),
            (Sentences{"Ele parou.", "-- E ela disse que sim."}));
  EXPECT_EQ(Split("Perguntou se vinha. \x97 N\xE3o, respondeu."),
            (Sentences{"Perguntou se vinha.", "\x97 N\xE3o, respondeu."}));
}

TEST(SentenceSplitter, DoesNotTakeSubstitutedCharactersForQuestionMarks) {
  // Byte 26 stands for a character that Windows-1252 lacks.
  ExpectOneSentence("A atleta Laimut\x1A Baikauskait\x1A venceu.");
}

TEST(SentenceSplitter, CountsBracketsFromTheStartOfEachSentence) {
  // The bracket opened before "cap." stays open at the marks after "3".
  ExpectOneSentence("Ele (ver cap. 3. Mais x) saiu.");
  // The bracket left open in the first sentence does not hold the second
  // open, whose own bracket is closed.
  EXPECT_EQ(Split("Veja a nota (um. Depois veio (dois) e saiu. Fim tres) aqui."),
            (Sentences{"Veja a nota (um.", "Depois veio (dois) e saiu.", "Fim tres) aqui."}));
}

TEST(SentenceSplitter, KeepsASpeakersLabelWithTheSentenceAfterIt) {
  // Interviews: "P." for the question and "R." for the answer, before a
  // dialogue dash (two hyphens, an em dash) or at the start of a paragraph.
  EXPECT_EQ(
      Split("P. -- Quando abre a loja? R. -- Em mar\xE7o, se tudo correr bem. P. \x97 E depois?"),
      (Sentences{"P. -- Quando abre a loja?", "R. -- Em mar\xE7o, se tudo correr bem.",
                 "P. \x97 E depois?"}));
  ExpectOneSentence("R. Ainda n\xE3o decidimos nada.");
  ExpectOneSentence("A.C.M. -- Nunca disse isso a ningu\xE9m.");
  // Not a label: a capital that ends a sentence before a dash, and a capital
  // after the start of the paragraph before a word that opens sentences.
  EXPECT_EQ(Split("A equipa ficou no grupo B. -- E agora?"),
            (Sentences{"A equipa ficou no grupo B.", "-- E agora?"}));
  EXPECT_EQ(Split("Ningu\xE9m respondeu. P. Depois fechou a porta."),
            (Sentences{"Ningu\xE9m respondeu.", "P.", "Depois fechou a porta."}));
}

TEST(SentenceSplitter, GoesOnAfterAnExclamationOrQuestionBeforeADashAndLowerCase) {
  ExpectOneSentence("Disse que voltaria -- e voltou! -- mesmo sem convite.");
  ExpectOneSentence("\xABJ\xE1 acabaste?\xBB -- perguntou o irm\xE3o.");
  ExpectOneSentence("Entrou -- que surpresa! --, sentou-se e pediu caf\xE9.");
  ExpectOneSentence("Que dia t\xE3o comprido! --");
  ExpectOneSentence("Esperou\x85 \x97 e desistiu.");
  // A dash before a capital opens the next turn of the dialogue.
  EXPECT_EQ(Split("Basta! -- N\xE3o digas mais nada."),
            (Sentences{"Basta!", "-- N\xE3o digas mais nada."}));
  EXPECT_EQ(Split("Chove? \x97 N\xE3o."), (Sentences{"Chove?", "\x97 N\xE3o."}));
}

TEST(SentenceSplitter, KeepsNamesAndNumbersAfterMoreAbbreviations) {
  ExpectOneSentence("Morou anos em St. Albans antes de voltar.");
  ExpectOneSentence("O Sp. Espinho venceu ontem em casa.");
  ExpectOneSentence("Foi recebido por d. Maria, a dona da pens\xE3o.");
  ExpectOneSentence("Reservas pelo tel. (021) 555-0199 at\xE9 sexta.");
  // The state's acronym is no abbreviation; a lower-case "d" before a word
  // that opens sentences ends one.
  EXPECT_EQ(Split("Mora em Santos, SP. Trabalha no porto."),
            (Sentences{"Mora em Santos, SP.", "Trabalha no porto."}));
  EXPECT_EQ(Split("Escreveu a letra d. Depois apagou-a."),
            (Sentences{"Escreveu a letra d.", "Depois apagou-a."}));
}

TEST(SentenceSplitter, EndsASentenceAtAnAbbreviationBeforeAClosingBracket) {
  EXPECT_EQ(Split("O livro saiu este m\xEAs (210 p\xE1gs.) Custa dez euros."),
            (Sentences{"O livro saiu este m\xEAs (210 p\xE1gs.)", "Custa dez euros."}));
  ExpectOneSentence("O mapa (ver p\xE1g. 3) mostra a rota.");
}

TEST(SentenceSplitter, GoesOnAfterAnEllipsisBeforeLowerCase) {
  ExpectOneSentence("Bem .. talvez amanh\xE3.");
  ExpectOneSentence("Hesitou... e saiu sem falar.");
  ExpectOneSentence("Hesitou\x85 e saiu sem falar.");
  ExpectOneSentence("Hesitou . . . e saiu sem falar.");
  EXPECT_EQ(Split("Hesitou... Depois saiu."), (Sentences{"Hesitou...", "Depois saiu."}));
}

TEST(SentenceSplitter, KeepsTheNumberOfAListItemWithItsSentence) {
  EXPECT_EQ(Split("H\xE1 duas regras. 1. Ningu\xE9m sai. 2. Todos votam."),
            (Sentences{"H\xE1 duas regras.", "1. Ningu\xE9m sai.", "2. Todos votam."}));
  // A number that ends a sentence is no item's.
  EXPECT_EQ(Split("Ganhou por 2 a 1. Depois festejou."),
            (Sentences{"Ganhou por 2 a 1.", "Depois festejou."}));
}
