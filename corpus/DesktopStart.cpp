#include "corpus/DesktopStart.h"

#include <cstdio>
#include <cstdlib>
#include <optional>

#include "corpus/CorpusProgram.h"
#include "corpus/Utf8Text.h"
#include "platform/Desktop.h"
#include "platform/FileSystem.h"

namespace corpus {
namespace {

// The corpus of the folder, with its outputs there, and its page shown.
int RunFolder(const std::vector<std::string>& arguments) {
  std::optional<std::string> folder =
      arguments.empty() ? platform::AskForFolder("Escolha a pasta com os textos do corpus")
                        : std::optional<std::string>(arguments.front());
  if (!folder) {
    Say("nenhuma pasta escolhida");
    return ExitNothingDone;
  }
  int status = RunCorpusProgram({"--saida", *folder, *folder});
  if (status == ExitNothingDone) return status;
  std::string page = platform::PathUnder(*folder, {"candidatos.html"});
  Say("abrindo " + Utf8FromSystemName(page) + " no navegador");
  if (std::getenv(NoBrowserVariable) == nullptr && !platform::OpenWithDefaultProgram(page)) {
    Say("não foi possível abrir o navegador: abra " + Utf8FromSystemName(page));
  }
  return status;
}

}  // namespace

bool IsDesktopStart(const std::vector<std::string>& arguments) {
  bool oneFolder = arguments.size() == 1 && arguments.front().rfind('-', 0) != 0 &&
                   platform::FolderExists(arguments.front());
  return (arguments.empty() || oneFolder) && platform::StartedFromDesktop();
}

int RunFromDesktop(const std::vector<std::string>& arguments) {
  int status = RunFolder(arguments);
  std::fputs("\nTecle Enter para fechar esta janela.\n", stderr);
  std::getchar();  // the end of the input closes it too
  return status;
}

}  // namespace corpus
