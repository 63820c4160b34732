#include "AppFolder.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace driver {

namespace fs = std::filesystem;

namespace {

// A path for a message, its characters beyond ASCII as "?".
std::string Described(const fs::path& path) {
  std::string described;
  for (wchar_t c : path.wstring()) described += c < 128 ? static_cast<char>(c) : '?';
  return described;
}

}  // namespace

fs::path Prepared(const char* variable) {
  const char* value = std::getenv(variable);
  if (value == nullptr || *value == '\0') {
    throw std::runtime_error(std::string(variable) + " is not set: run the tests through ctest");
  }
  return fs::path(value);
}

std::string ReadFileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + Described(path));
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

void WriteFileBytes(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + Described(path));
}

AppFolder::AppFolder(MainDictionary mainDictionary, const std::wstring& name)
    // With the system's own separators, as a user types and the dialogs show paths.
    : path_((fs::path(temp_.Path()) / name).make_preferred()),
      texts_((fs::path(temp_.Path()) / L"textos").make_preferred()) {
  fs::path release = Prepared("LEXAVIA_RELEASE");
  fs::create_directories(path_ / L"dicionarios");
  fs::create_directories(path_ / L"segmentador");
  fs::copy_file(release / L"Lexavia.exe", Program());
  fs::copy_file(release / L"segmentador" / L"frasor.exe", path_ / L"segmentador" / L"frasor.exe");
  fs::copy_file(release / L"dicionarios" / L"dicionario_usuario.txt", UserDictionaryPath());
  if (mainDictionary == MainDictionary::Shipped) {
    fs::copy_file(release / L"dicionarios" / L"dicionario_principal.txt", MainDictionaryPath());
  }
  if (mainDictionary == MainDictionary::Small) {
    WriteFileBytes(MainDictionaryPath(), "o\r\num\r\nnovo\r\nde\r\n");
  }
  fs::copy(Prepared("LEXAVIA_TEXTS"), texts_);
}

fs::path AppFolder::MainDictionaryPath() const {
  return path_ / L"dicionarios" / L"dicionario_principal.txt";
}

fs::path AppFolder::UserDictionaryPath() const {
  return path_ / L"dicionarios" / L"dicionario_usuario.txt";
}

void AppFolder::InstallSegmenter(const fs::path& program) const {
  fs::copy_file(program, path_ / L"segmentador" / L"frasor.exe",
                fs::copy_options::overwrite_existing);
}

}  // namespace driver
