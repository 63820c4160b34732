#include "support/JoinedTexts.h"

#include <algorithm>
#include <filesystem>
#include <stdexcept>

#include "platform/TextFile.h"
#include "support/TempDir.h"

namespace testing_support {

void JoinTexts(const std::vector<std::string>& folders, const std::string& joined) {
  std::vector<std::filesystem::path> texts;
  for (const std::string& folder : folders) {
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      if (entry.path().extension() == ".txt") texts.push_back(entry.path());
    }
  }
  if (texts.empty()) throw std::runtime_error("no texts in the corpus's folders");
  std::sort(texts.begin(), texts.end());
  platform::OutputFile out = platform::OutputFile::Create(joined);
  for (const auto& text : texts) {
    out.Write(ReadBytes(text.string()));
    out.Write("\n\n");
  }
  out.Close();
}

}  // namespace testing_support
