#include "frasor/SegmentFile.h"

#include <algorithm>
#include <memory>
#include <string_view>

#include "frasor/LongSentences.h"
#include "frasor/ParagraphAssembler.h"
#include "frasor/SentenceSplitter.h"
#include "frasor/TextDecoder.h"
#include "frasor/TextEncoding.h"
#include "platform/TextFile.h"

namespace frasor {
namespace {

constexpr std::size_t BlockSize = 1 << 18;

// `sentence` with "?" for every SubstituteByte; copied only when it holds one.
std::string_view Substituted(std::string_view sentence, std::string& buffer) {
  if (sentence.find(SubstituteByte) == std::string_view::npos) return sentence;
  buffer.assign(sentence);
  std::replace(buffer.begin(), buffer.end(), SubstituteByte, '?');
  return buffer;
}

}  // namespace

std::string SegmentedName(const std::string& inputPath) { return inputPath + ".seg"; }

std::string ReadinessName(const std::string& inputPath) {
  return inputPath + "._frasor_ready_.tmp";
}

SentenceSource::SentenceSource(const std::string& inputPath)
    : detected_(DetectEncoding(inputPath)), input_(inputPath) {}

void SentenceSource::GiveSentences(const std::function<void(std::string_view sentence)>& sentence) {
  std::string substituted;
  SentenceSink givePiece = [&](std::string_view piece) {
    sentence(Substituted(piece, substituted));
  };
  SentenceSink writeSentence = [&givePiece](std::string_view whole) {
    SplitLongSentence(whole, MaxSentenceBytes, givePiece);
  };
  ParagraphAssembler paragraphs(
      [&writeSentence](std::string_view paragraph) { SplitSentences(paragraph, writeSentence); });
  TextDecoder decoder(detected_.encoding);

  std::unique_ptr<char[]> block(new char[BlockSize]);
  std::size_t skip = detected_.byteOrderMarkLength;
  for (;;) {
    std::size_t size = input_.Read(block.get(), BlockSize);
    std::string_view bytes(block.get(), size);
    std::size_t skipped = std::min(skip, bytes.size());
    bytes.remove_prefix(skipped);
    skip -= skipped;
    paragraphs.Feed(decoder.Decode(bytes, size == 0));
    if (size == 0) break;
  }
  paragraphs.Finish();
  input_.Close();
}

void SegmentFile(const std::string& inputPath) {
  SentenceSource source(inputPath);
  platform::OutputFile output = platform::OutputFile::Create(SegmentedName(inputPath));
  source.GiveSentences([&output](std::string_view sentence) {
    output.Write(sentence);
    output.Write("\r\n");
  });
  output.Close();
  platform::OutputFile::Create(ReadinessName(inputPath)).Close();
}

}  // namespace frasor
