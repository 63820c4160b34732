// The sentence segmenter on generated Portuguese-like prose. Targets on the
// 2-core reference machine: at least 100 MB/s inside the program, and a
// 50 MB file segmented by frasor.exe in at most 1 s of wall time with a peak
// memory that does not grow with the file. ICU's own sentence iterator
// (pt_BR) runs on the same text for comparison.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <unicode/brkiter.h>
#include <unicode/normalizer2.h>
#include <unicode/ucnv.h>
#include <unicode/unistr.h>

#include <chrono>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>

#include <benchmark/benchmark.h>

#include "frasor/ParagraphAssembler.h"
#include "frasor/SegmentFile.h"
#include "frasor/SentenceSplitter.h"
#include "frasor/TextDecoder.h"
#include "platform/FileSystem.h"
#include "platform/TextFile.h"
#include "support/ResidentMemory.h"
#include "support/SyntheticText.h"

namespace {

constexpr std::size_t WrapWidth = 72;

// Prose in Windows-1252 of about `bytes` bytes: paragraphs of 2 to 8
// sentences, with titles before names, numbers, abbreviations before
// numbers, quotes and questions, either hard-wrapped at 72 columns with
// blank lines between paragraphs or one paragraph per line.
std::string GeneratedProse(std::size_t bytes, bool wrapped) {
  static const bench_support::WordList words = bench_support::DistinctWords(20000);
  std::mt19937 random(2024);
  auto pick = [&](std::size_t n) { return static_cast<std::size_t>(random() % n); };
  std::string text;
  std::string paragraph;
  while (text.size() < bytes) {
    paragraph.clear();
    for (std::size_t sentences = 2 + pick(7); sentences > 0; --sentences) {
      std::size_t length = 6 + pick(20);
      for (std::size_t w = 0; w < length; ++w) {
        std::string word(words[pick(words.Size())]);
        if (w == 0) word[0] = static_cast<char>(word[0] - 32 * (word[0] >= 'a' && word[0] <= 'z'));
        switch (pick(40)) {
          case 0:
            paragraph += "o Sr. ";
            word[0] &= ~0x20;
            break;
          case 1:
            paragraph += "no art. ";
            word = std::to_string(pick(300));
            break;
          case 2:
            word = std::to_string(pick(100)) + ".000";
            break;
          case 3:
            word = "\"" + word + "\"";
            break;
        }
        paragraph += word;
        paragraph += w + 1 == length ? "" : pick(8) == 0 ? ", " : " ";
      }
      paragraph += pick(10) == 0 ? "? " : ". ";
    }
    paragraph.pop_back();
    if (!wrapped) {
      text += paragraph + "\r\n";
      continue;
    }
    std::size_t lineStart = text.size();
    for (std::size_t at = 0; at < paragraph.size();) {
      std::size_t end = paragraph.find(' ', at);
      if (end == std::string::npos) end = paragraph.size();
      if (text.size() > lineStart && text.size() - lineStart + 1 + (end - at) > WrapWidth) {
        text += "\r\n";
        lineStart = text.size();
      } else if (text.size() > lineStart) {
        text += ' ';
      }
      text.append(paragraph, at, end - at);
      at = end + 1;
    }
    text += "\r\n\r\n";
  }
  return text;
}

// `bytes` from the ICU encoding `from` to `to`.
std::string Convert(const char* to, const char* from, const std::string& bytes) {
  std::string converted(bytes.size() * 4, '\0');
  UErrorCode status = U_ZERO_ERROR;
  int32_t size = ucnv_convert(to, from, converted.data(), static_cast<int32_t>(converted.size()),
                              bytes.data(), static_cast<int32_t>(bytes.size()), &status);
  if (U_FAILURE(status)) throw std::runtime_error(u_errorName(status));
  converted.resize(static_cast<std::size_t>(size));
  return converted;
}

std::string ToUtf8(const std::string& windows1252) {
  return Convert("UTF-8", "windows-1252", windows1252);
}

// Windows-1252 text in UTF-8 with every accented letter decomposed (NFD), as
// some editors save it: a combining mark after every few letters.
std::string ToDecomposedUtf8(const std::string& windows1252) {
  icu::UnicodeString text(windows1252.data(), static_cast<int32_t>(windows1252.size()),
                          "windows-1252");
  UErrorCode status = U_ZERO_ERROR;
  const icu::Normalizer2* nfd = icu::Normalizer2::getNFDInstance(status);
  icu::UnicodeString decomposed = nfd->normalize(text, status);
  if (U_FAILURE(status)) throw std::runtime_error(u_errorName(status));
  std::string utf8;
  return decomposed.toUTF8String(utf8);
}

void WriteFile(const std::string& path, const std::string& bytes) {
  platform::OutputFile file = platform::OutputFile::Create(path);
  file.Write(bytes);
  file.Close();
}

void RemoveOutputs(const std::string& input) {
  platform::RemoveFile(frasor::SegmentedName(input));
  platform::RemoveFile(frasor::ReadinessName(input));
}

void SplitParagraphs(benchmark::State& state) {
  std::string text = GeneratedProse(16'000'000, false);
  std::size_t sentences = 0;
  for (auto _ : state) {
    for (std::size_t at = 0; at < text.size();) {
      std::size_t end = text.find("\r\n", at);
      frasor::SplitSentences(std::string_view(text).substr(at, end - at),
                             [&](std::string_view) { ++sentences; });
      at = end + 2;
    }
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
  state.counters["sentences"] = static_cast<double>(sentences / state.iterations());
}
BENCHMARK(SplitParagraphs)->Unit(benchmark::kMillisecond);

// UTF-8 prose turned into Windows-1252 text in NFC, in the program's blocks.
void DecodeUtf8(benchmark::State& state) {
  std::string text = ToUtf8(GeneratedProse(16'000'000, false));
  constexpr std::size_t Block = 1 << 18;
  std::size_t decoded = 0;
  for (auto _ : state) {
    frasor::TextDecoder decoder(frasor::TextEncoding::Utf8);
    for (std::size_t at = 0; at < text.size(); at += Block) {
      decoded += decoder.Decode(std::string_view(text).substr(at, Block), false).size();
    }
    decoded += decoder.Decode({}, true).size();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
  state.counters["decoded_MB"] = static_cast<double>(decoded / state.iterations()) / 1e6;
}
BENCHMARK(DecodeUtf8)->Unit(benchmark::kMillisecond);

// Text that goes through decoding and normalisation character by character:
// decomposed UTF-8, and UTF-16 (little-endian), in the program's blocks.
void DecodeThroughNormalisation(benchmark::State& state) {
  bool utf16 = state.range(0) == 1;
  std::string prose = GeneratedProse(16'000'000, false);
  std::string text = utf16 ? Convert("UTF-16LE", "windows-1252", prose) : ToDecomposedUtf8(prose);
  constexpr std::size_t Block = 1 << 18;
  std::size_t decoded = 0;
  for (auto _ : state) {
    frasor::TextDecoder decoder(utf16 ? frasor::TextEncoding::Utf16LittleEndian
                                      : frasor::TextEncoding::Utf8);
    for (std::size_t at = 0; at < text.size(); at += Block) {
      decoded += decoder.Decode(std::string_view(text).substr(at, Block), false).size();
    }
    decoded += decoder.Decode({}, true).size();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
  state.counters["decoded_MB"] = static_cast<double>(decoded / state.iterations()) / 1e6;
  state.SetLabel(utf16 ? "UTF-16LE" : "decomposed UTF-8");
}
BENCHMARK(DecodeThroughNormalisation)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Hard-wrapped prose joined into paragraphs, without splitting them.
void AssembleWrappedParagraphs(benchmark::State& state) {
  std::string text = GeneratedProse(16'000'000, true);
  constexpr std::size_t Block = 1 << 18;
  std::size_t paragraphs = 0;
  for (auto _ : state) {
    frasor::ParagraphAssembler assembler([&](std::string_view) { ++paragraphs; });
    for (std::size_t at = 0; at < text.size(); at += Block) {
      assembler.Feed(std::string_view(text).substr(at, Block));
    }
    assembler.Finish();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
  state.counters["paragraphs"] = static_cast<double>(paragraphs / state.iterations());
}
BENCHMARK(AssembleWrappedParagraphs)->Unit(benchmark::kMillisecond);

// The whole program's work in process: decoding, wrapping, splitting, writing.
void SegmentFileInProcess(benchmark::State& state) {
  bool utf8 = state.range(0) == 1;
  bool wrapped = state.range(1) == 1;
  std::string text = GeneratedProse(16'000'000, wrapped);
  if (utf8) text = ToUtf8(text);
  std::string input = "/tmp/lexavia-segmenter-bench.txt";
  WriteFile(input, text);
  for (auto _ : state) frasor::SegmentFile(input);
  RemoveOutputs(input);
  platform::RemoveFile(input);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
  state.SetLabel(std::string(utf8 ? "UTF-8" : "Windows-1252") +
                 (wrapped ? ", wrapped" : ", lines"));
}
BENCHMARK(SegmentFileInProcess)
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// ICU's sentence break iterator with Portuguese rules, on UTF-16 text.
void IcuSentenceIterator(benchmark::State& state) {
  std::string text = GeneratedProse(16'000'000, false);
  icu::UnicodeString unicode(text.data(), static_cast<int32_t>(text.size()), "windows-1252");
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<icu::BreakIterator> iterator(
      icu::BreakIterator::createSentenceInstance(icu::Locale("pt", "BR"), status));
  if (U_FAILURE(status)) throw std::runtime_error(u_errorName(status));
  std::size_t sentences = 0;
  for (auto _ : state) {
    iterator->setText(unicode);
    for (int32_t end = iterator->first(); end != icu::BreakIterator::DONE; end = iterator->next()) {
      ++sentences;
    }
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
  state.counters["sentences"] = static_cast<double>(sentences / state.iterations());
}
BENCHMARK(IcuSentenceIterator)->Unit(benchmark::kMillisecond)->Iterations(3);

// frasor.exe itself on a 50 MB UTF-8 file: wall time from start to exit,
// and its peak resident memory.
void FrasorProgramOnFiftyMegabytes(benchmark::State& state) {
  std::string input = "/tmp/lexavia-frasor-bench.txt";
  std::size_t inputSize;
  {
    // Released before the child starts: the child's peak memory counts the
    // pages it inherits before its exec.
    std::string text = ToUtf8(GeneratedProse(50'000'000, true));
    WriteFile(input, text);
    inputSize = text.size();
  }
  long peakKilobytes = 0;
  for (auto _ : state) {
    RemoveOutputs(input);
    std::string program = FRASOR_EXE;
    char* argv[] = {program.data(), input.data(), nullptr};
    auto start = std::chrono::steady_clock::now();
    // fork, not posix_spawn: a child that shares the parent's memory until
    // its exec inherits the parent's peak in its own.
    pid_t child = fork();
    if (child == 0) {
      execv(argv[0], argv);
      _exit(127);
    }
    if (child < 0) {
      state.SkipWithError("cannot start frasor.exe");
      break;
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    state.SetIterationTime(
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 ||
        !platform::FileExists(frasor::ReadinessName(input))) {
      state.SkipWithError("frasor.exe failed");
      break;
    }
    peakKilobytes = std::max(peakKilobytes, usage.ru_maxrss);
  }
  RemoveOutputs(input);
  platform::RemoveFile(input);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * inputSize));
  state.counters["peak_MB"] = static_cast<double>(peakKilobytes) / 1024.0;
  state.counters["input_MB"] = static_cast<double>(inputSize) / 1e6;
  // An upper bound of what the child inherited and counted in its peak.
  state.counters["bench_MB"] = static_cast<double>(bench_support::ResidentBytes()) / 1e6;
}
BENCHMARK(FrasorProgramOnFiftyMegabytes)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
