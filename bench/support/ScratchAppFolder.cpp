#include "support/ScratchAppFolder.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "platform/FileSystem.h"
#include "platform/TextFile.h"

namespace bench_support {
namespace {

namespace fs = std::filesystem;

// `to` becomes another name of the file `from`, or a copy of it where the
// two lie apart: a fresh copy of the main dictionary would still be on its
// way to the disk while the run reads it.
void LinkOrCopy(const std::string& from, const fs::path& to) {
  if (!platform::FileExists(from)) {
    throw std::runtime_error("no " + from + " (build the target app first)");
  }
  std::error_code linking;
  fs::create_hard_link(from, to, linking);
  if (linking) fs::copy_file(from, to);
}

}  // namespace

ScratchAppFolder::ScratchAppFolder(const std::string& app, const std::string& text,
                                   const std::string& generated) {
  fs::path folder = fs::temp_directory_path() / "lexavia-run-bench";
  fs::remove_all(folder);
  fs::create_directories(folder / "dicionarios");
  fs::create_directories(folder / "segmentador");
  folder_ = folder.string();
  LinkOrCopy(platform::PathUnder(app, {"dicionarios", "dicionario_principal.txt"}),
             folder / "dicionarios" / "dicionario_principal.txt");
  LinkOrCopy(platform::PathUnder(app, {"segmentador", "frasor.exe"}),
             folder / "segmentador" / "frasor.exe");
  platform::OutputFile user =
      platform::OutputFile::Create((folder / "dicionarios" / "dicionario_usuario.txt").string());
  for (int i = 0; i < 1000; ++i) user.Write("palavranova" + std::to_string(i) + "\r\n");
  user.Close();

  text_ = (folder / "texto.txt").string();
  if (!text.empty()) {
    fs::copy_file(text, text_);
  } else {
    platform::OutputFile out = platform::OutputFile::Create(text_);
    out.Write(generated);
    out.Close();
  }
  megabytes_ = static_cast<double>(fs::file_size(text_)) / 1e6;
}

ScratchAppFolder::~ScratchAppFolder() {
  std::error_code ignored;
  fs::remove_all(folder_, ignored);
}

std::string BenchAppFolder(const char* byDefault) {
  const char* folder = std::getenv("LEXAVIA_APP_DIR");
  return folder != nullptr ? folder : byDefault;
}

}  // namespace bench_support
