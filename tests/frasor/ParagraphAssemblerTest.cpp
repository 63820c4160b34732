#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "frasor/ParagraphAssembler.h"

namespace {

using Paragraphs = std::vector<std::string>;

// The paragraphs of `text`, fed in pieces of `pieceSize` bytes.
Paragraphs Assemble(std::string_view text, std::size_t pieceSize = 1 << 20) {
  Paragraphs paragraphs;
  frasor::ParagraphAssembler assembler([&](std::string_view p) { paragraphs.emplace_back(p); });
  for (std::size_t i = 0; i < text.size(); i += pieceSize)
    assembler.Feed(text.substr(i, pieceSize));
  assembler.Finish();
  return paragraphs;
}

// Prose hard-wrapped at 40 columns, with a heading line and a short last line.
constexpr std::string_view WrappedProse =
    "A prefeitura informou ainda que a\n"
    "Secretaria de Obras regularizou o\n"
    "contrato e que a obra da pra\xE7"
    "a segue o\n"
    "cronograma. O incidente ocorreu na\n"
    "cidade de Burgas, a leste da capital\n"
    "Sofia, na manh\xE3 de ontem, segundo a\n"
    "pol\xED"
    "cia local.\n";

}  // namespace

TEST(ParagraphAssembler, BlankLinesAlwaysEndParagraphs) {
  EXPECT_EQ(Assemble("Primeiro\n\nSegundo\r\n  \r\n\r\nTerceiro"),
            (Paragraphs{"Primeiro", "Segundo", "Terceiro"}));
}

TEST(ParagraphAssembler, JoinsHardWrappedLinesWithSpaces) {
  Paragraphs paragraphs = Assemble(WrappedProse);
  ASSERT_EQ(paragraphs.size(), 1u);
  EXPECT_NE(paragraphs[0].find("o contrato"), std::string::npos);
  EXPECT_NE(paragraphs[0].find("capital Sofia,"), std::string::npos);
  EXPECT_EQ(paragraphs[0].find('\n'), std::string::npos);
}

TEST(ParagraphAssembler, EndsAParagraphAtAShortLineOfWrappedProse) {
  std::string text = "Resultados do ano\n" + std::string(WrappedProse);
  Paragraphs paragraphs = Assemble(text);
  ASSERT_EQ(paragraphs.size(), 2u);
  EXPECT_EQ(paragraphs[0], "Resultados do ano");
}

TEST(ParagraphAssembler, TreatsEveryBreakOfParagraphPerLineTextAsAnEnd) {
  // A line longer than wrapping makes lines, of words in lower case.
  std::string longLine = "texto";
  while (longLine.size() < 250) longLine += " texto";
  EXPECT_EQ(Assemble("Um t\xEDtulo\n" + longLine + "\nmais um par\xE1grafo longo\n"),
            (Paragraphs{"Um t\xEDtulo", longLine, "mais um par\xE1grafo longo"}));
}

TEST(ParagraphAssembler, TreatsShortLinesOfAListAsEnds) {
  EXPECT_EQ(Assemble("Ano da Filmagem: 1999\nAno da Produ\xE7\xE3o: 2002\nDire\xE7\xE3o: "
                     "Luiz Duarte\nElenco: Ana Lima e Rui Costa\n"),
            (Paragraphs{"Ano da Filmagem: 1999", "Ano da Produ\xE7\xE3o: 2002",
                        "Dire\xE7\xE3o: Luiz Duarte", "Elenco: Ana Lima e Rui Costa"}));
}

TEST(ParagraphAssembler, ContinuesALowerCaseLineWhenTheLayoutIsUnclear) {
  EXPECT_EQ(Assemble("Ele foi\nembora cedo.\n"), Paragraphs{"Ele foi embora cedo."});
}

// Short texts of two wrapped lines, too few to show the width they were
// wrapped at.
TEST(ParagraphAssembler, ContinuesALineThatEndsInAWordThatCannotEndASentence) {
  EXPECT_EQ(
      Assemble("O inc\xEAndio destruiu ontem \xE0 noite um armaz\xE9m de m\xF3veis no centro de\n"
               "Braga, segundo os bombeiros que acorreram ao local.\n"),
      Paragraphs{"O inc\xEAndio destruiu ontem \xE0 noite um armaz\xE9m de m\xF3veis no centro de "
                 "Braga, segundo os bombeiros que acorreram ao local."});
  EXPECT_EQ(Assemble("A feira do livro abre as portas no s\xE1"
                     "bado de manh\xE3, \xE0s\n"
                     "10h, com a presen\xE7"
                     "a de v\xE1rios autores.\n")
                .size(),
            1u);
  // Also a short line that ends in a comma.
  EXPECT_EQ(Assemble("Os alunos chegaram cedo,\nMaria \xE0 frente de todos.\n").size(), 1u);
}

TEST(ParagraphAssembler, ContinuesALineAfterWhichTheSentenceGoesOnInLowerCase) {
  EXPECT_EQ(Assemble("O comboio das oito chegou a Coimbra com mais de uma hora de atraso\n"
                     "porque a linha estava cortada.\n")
                .size(),
            1u);
  // Also after an ellipsis, which ends no sentence before lower case.
  EXPECT_EQ(Assemble("Esperou pela resposta durante a tarde inteira sem dizer palavra ...\n"
                     "e depois foi-se embora.\n")
                .size(),
            1u);
}

TEST(ParagraphAssembler, JoinsANameOrAnAbbreviationWrappedBeforeTheNextLine) {
  EXPECT_EQ(Assemble("A nova diretora do museu municipal de arte contempor\xE2nea, Ana\n"
                     "Beatriz Moreira, apresentou ontem o programa do ano.\n")
                .size(),
            1u);
  EXPECT_EQ(Assemble("A reuni\xE3o decorreu na sede da associa\xE7\xE3o de moradores da rua de S.\n"
                     "Bento, no centro da cidade, at\xE9 tarde.\n")
                .size(),
            1u);
}

TEST(ParagraphAssembler, EndsAHeadingBeforeALongerLineOrAWordThatOpensSentences) {
  // The next line is longer than the heading and its first word together:
  // no wrapping left the heading so short.
  EXPECT_EQ(Assemble("Greve para os comboios do Norte\n"
                     "A circula\xE7\xE3o ficou suspensa durante toda a manh\xE3 de ontem.\n"),
            (Paragraphs{"Greve para os comboios do Norte",
                        "A circula\xE7\xE3o ficou suspensa durante toda a manh\xE3 de ontem."}));
  // As long as a wrapped line may be, but before "Os", which opens sentences
  // and is no name.
  EXPECT_EQ(Assemble("C\xE2mara aprova or\xE7"
                     "amento para o pr\xF3ximo ano com votos contra da oposi\xE7\xE3o\n"
                     "Os vereadores discutiram a proposta durante seis horas.\n")
                .size(),
            2u);
}

TEST(ParagraphAssembler, EndsHeadingsOfParagraphPerLineText) {
  std::string paragraph =
      "Os agricultores da regi\xE3o dizem que n\xE3o chove h\xE1 quatro meses e que a colheita "
      "deste "
      "ano est\xE1 perdida, sobretudo a do milho e a das batatas, que precisam de muita \xE1gua.";
  // A heading, a line naming the author and a paragraph: every line is short
  // beside the one after it.
  EXPECT_EQ(
      Assemble("Um ver\xE3o sem chuva\nPedro Lopes, correspondente em Faro\n" + paragraph + "\n"),
      (Paragraphs{"Um ver\xE3o sem chuva", "Pedro Lopes, correspondente em Faro", paragraph}));
  // Lines longer than wrapping makes them end paragraphs even before lower
  // case.
  std::string item =
      "peixe fresco, que os pescadores tinham trazido de madrugada, fruta da "
      "\xE9poca, p\xE3o de milho ainda quente e queijo da serra curado em casa;";
  EXPECT_EQ(Assemble("No mercado da vila encontrou:\n" + item + "\n"),
            (Paragraphs{"No mercado da vila encontrou:", item}));
}

TEST(ParagraphAssembler, GivesTheSameResultWhateverThePieces) {
  std::string text = "Resultados\r\n" + std::string(WrappedProse) + "\r\n\r\nFim\r";
  Paragraphs whole = Assemble(text);
  for (std::size_t pieceSize : {1u, 2u, 7u}) EXPECT_EQ(Assemble(text, pieceSize), whole);
  EXPECT_EQ(whole.size(), 3u);
}

TEST(ParagraphAssembler, FindsLineEndsAtEveryPlaceOfAWord) {
  // CR, LF and CR LF after lines of every length up to three words of eight
  // bytes, among bytes that differ from them in one bit only.
  for (std::string_view end : {"\n", "\r", "\r\n"}) {
    for (std::size_t length = 1; length <= 24; ++length) {
      std::string first(length, 'a');
      first[length / 2] = '\x8A';
      std::string second = "B\x8D\x0B" + std::string(length, 'b') + "\x0C\x0E";
      EXPECT_EQ(Assemble(first + std::string(end) + second + std::string(end)),
                (Paragraphs{first, second}))
          << length;
    }
  }
}

namespace {

// `paragraph` hard-wrapped at `width` columns, then `lastLine` on a line of
// its own.
std::string Wrapped(const std::string& paragraph, std::size_t width, const std::string& lastLine) {
  std::string text;
  for (std::size_t at = 0; at < paragraph.size();) {
    std::size_t end = std::min(paragraph.find(' ', at), paragraph.size());
    std::size_t lineStart = text.rfind('\n') == std::string::npos ? 0 : text.rfind('\n') + 1;
    if (text.size() > lineStart && text.size() - lineStart + 1 + (end - at) > width) {
      text += '\n';
    } else if (text.size() > lineStart) {
      text += ' ';
    }
    text.append(paragraph, at, end - at);
    at = end + 1;
  }
  return text + "\n" + lastLine + "\n";
}

}  // namespace

TEST(ParagraphAssembler, JudgesLineLengthsByTheLatestLinesOnly) {
  // Thousands of lines wrapped at 40 columns, more than are kept at once,
  // then prose wrapped at 70 whose paragraphs end in lines of 46 columns:
  // short for the width of 70, full for one of 40 if old lines counted.
  const std::string lastLine = "texto texto texto texto texto texto texto fim.";
  Paragraphs expected;
  std::string text;
  for (int p = 0; p < 1200; ++p) {
    std::string paragraph = "Come\xE7o";
    for (int w = 0; w < 30 + p % 7; ++w) paragraph += w % 5 == 0 ? " palavra" : " texto";
    std::size_t width = p < 1000 ? 40 : 70;
    text += Wrapped(paragraph, width, p < 1000 ? "fim." : lastLine);
    expected.push_back(paragraph + " " + (p < 1000 ? "fim." : lastLine));
  }
  Paragraphs paragraphs = Assemble(text);
  ASSERT_GE(paragraphs.size(), 150u);
  // Past the first few of the wider prose, whose neighbours are still narrow.
  EXPECT_EQ(Paragraphs(paragraphs.end() - 150, paragraphs.end()),
            Paragraphs(expected.end() - 150, expected.end()));
  EXPECT_EQ(Assemble(text, 4093), paragraphs);
}
