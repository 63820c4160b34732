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

// Writes `sentence` and a CR LF, with "?" for every SubstituteByte.
void WriteSentence(platform::OutputFile& output, std::string_view sentence) {
  for (std::size_t at; (at = sentence.find(SubstituteByte)) != std::string_view::npos;) {
    output.Write(sentence.substr(0, at));
    output.Write("?");
    sentence.remove_prefix(at + 1);
  }
  output.Write(sentence);
  output.Write("\r\n");
}

}  // namespace

std::string SegmentedName(const std::string& inputPath) { return inputPath + ".seg"; }

std::string ReadinessName(const std::string& inputPath) {
  return inputPath + "._frasor_ready_.tmp";
}

void SegmentFile(const std::string& inputPath) {
  DetectedEncoding detected = DetectEncoding(inputPath);
  platform::InputFile input(inputPath);
  platform::OutputFile output = platform::OutputFile::Create(SegmentedName(inputPath));
  SentenceSink writePiece = [&output](std::string_view piece) { WriteSentence(output, piece); };
  SentenceSink writeSentence = [&writePiece](std::string_view sentence) {
    SplitLongSentence(sentence, MaxSentenceBytes, writePiece);
  };
  ParagraphAssembler paragraphs(
      [&writeSentence](std::string_view paragraph) { SplitSentences(paragraph, writeSentence); });
  TextDecoder decoder(detected.encoding);

  std::unique_ptr<char[]> block(new char[BlockSize]);
  std::size_t skip = detected.byteOrderMarkLength;
  for (;;) {
    std::size_t size = input.Read(block.get(), BlockSize);
    std::string_view bytes(block.get(), size);
    std::size_t skipped = std::min(skip, bytes.size());
    bytes.remove_prefix(skipped);
    skip -= skipped;
    paragraphs.Feed(decoder.Decode(bytes, size == 0));
    if (size == 0) break;
  }
  paragraphs.Finish();
  input.Close();
  output.Close();
  platform::OutputFile::Create(ReadinessName(inputPath)).Close();
}

}  // namespace frasor
