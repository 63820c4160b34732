// One whole detection run, first and second of one process, with the shipped
// dictionaries and segmenter of the application folder (LEXAVIA_APP_DIR, by
// default the one the build lays out), on a generated 50 MB text of words of
// the main dictionary, one in forty altered into a candidate. Prints each
// stage's time. Targets on the 2-core reference machine: the first run's
// dictionary stage at most 3 s; scan plus reports at least 20 MB/s of input;
// the second run's dictionary stage at most 50 ms with 1,000 words in the
// user dictionary.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "detection/DetectionRun.h"
#include "detection/StatusLine.h"
#include "detection/StatusTexts.h"
#include "detection/WordChars.h"
#include "platform/FileSystem.h"
#include "platform/TextFile.h"
#include "support/SyntheticText.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Stamp {
  Clock::time_point when;
  std::string text;
};

// Entries of the main dictionary that are plain lower-case words.
bench_support::WordList DictionaryWords(const std::string& path, std::size_t most) {
  bench_support::WordList words;
  platform::LineReader reader(path);
  std::string entry;
  for (std::size_t seen = 0; reader.NextLine(entry); ++seen) {
    if (seen % 7 != 0 || entry.size() < 2 || entry[0] < 'a' || entry[0] > 'z') continue;
    bool plain = true;
    for (char c : entry) plain = plain && IsWordChar(static_cast<unsigned char>(c)) && c != '-';
    if (plain) words.Add(entry);
    if (words.Size() == most) break;
  }
  reader.Close();
  return words;
}

double SecondsBetween(const std::vector<Stamp>& stamps, std::string_view from,
                      std::string_view to) {
  Clock::time_point start{}, end{};
  for (const Stamp& stamp : stamps) {
    if (stamp.text == from) start = stamp.when;
    if (stamp.text == to) end = stamp.when;
  }
  return std::chrono::duration<double>(end - start).count();
}

void PrintRun(const char* name, const std::vector<Stamp>& stamps, double megabytes) {
  using namespace status_text;
  double load = SecondsBetween(stamps, LoadingDictionaries, Segmenting);
  double segment = SecondsBetween(stamps, Segmenting, Scanning);
  double scan = SecondsBetween(stamps, Scanning, WritingReports);
  double reports = SecondsBetween(stamps, WritingReports, Storing);
  double store = SecondsBetween(stamps, Storing, Finishing);
  double finish = SecondsBetween(stamps, Finishing, Idle);
  std::printf(
      "%s: dictionaries %.3f s, segmenter %.3f s, scan %.3f s, reports %.3f s, store %.3f s, "
      "clean-up %.3f s; scan plus reports %.1f MB/s\n",
      name, load, segment, scan, reports, store, finish, megabytes / (scan + reports));
}

}  // namespace

int main() {
  const char* folder = std::getenv("LEXAVIA_APP_DIR");
  std::string app = folder != nullptr ? folder : LEXAVIA_DEFAULT_APP_DIR;
  std::string main = app + "/dicionarios/dicionario_principal.txt";
  if (!platform::FileExists(main) || !platform::FileExists(app + "/segmentador/frasor.exe")) {
    std::fprintf(stderr, "no application folder at %s (build the target app first)\n", app.c_str());
    return 1;
  }

  // A scratch copy of the application folder, so the real user dictionary is untouched.
  std::string scratch = "/tmp/lexavia-run-bench";
  std::filesystem::remove_all(scratch);
  std::filesystem::create_directories(scratch + "/dicionarios");
  std::filesystem::create_directories(scratch + "/segmentador");
  std::filesystem::create_symlink(main, scratch + "/dicionarios/dicionario_principal.txt");
  std::filesystem::create_symlink(app + "/segmentador/frasor.exe",
                                  scratch + "/segmentador/frasor.exe");
  platform::OutputFile user =
      platform::OutputFile::Create(scratch + "/dicionarios/dicionario_usuario.txt");
  for (int i = 0; i < 1000; ++i) user.Write("palavranova" + std::to_string(i) + "\r\n");
  user.Close();

  std::string input = scratch + "/texto.txt";
  std::string text = bench_support::SegmentedText(DictionaryWords(main, 200000), 50'000'000, 40);
  platform::OutputFile out = platform::OutputFile::Create(input);
  out.Write(text);
  out.Close();
  double megabytes = static_cast<double>(text.size()) / 1e6;

  if (chdir(scratch.c_str()) != 0) return 1;
  StartUp();
  std::vector<Stamp> stamps;
  std::size_t calls = 0;
  SetStatusSink([&](std::string_view status) {
    ++calls;
    if (status.find("palavras carregadas") == std::string_view::npos) {
      stamps.push_back(Stamp{Clock::now(), std::string(status)});
    }
  });
  std::printf("input: %.1f MB\n", megabytes);
  RunDetection(input, false, false);
  PrintRun("first run", stamps, megabytes);
  std::printf("status calls: %zu\n", calls);
  stamps.clear();
  RunDetection(input, false, false);
  PrintRun("second run", stamps, megabytes);
  SetStatusSink(nullptr);
  ShutDown();
  std::filesystem::remove_all(scratch);
  return 0;
}
