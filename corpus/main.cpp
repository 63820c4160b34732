// lexavia-corpus: the candidate neologisms of a whole corpus as words.
#include <cstdio>
#include <exception>
#include <new>

#include "corpus/CorpusProgram.h"
#include "corpus/DesktopStart.h"
#include "platform/Console.h"
#include "platform/FileError.h"
#include "platform/ProgramArguments.h"

int main(int argc, char** argv) {
  platform::ShowUtf8OnConsole();  // the messages are Portuguese in UTF-8
  try {
    std::vector<std::string> arguments = platform::ProgramArguments(argc, argv);
    if (corpus::IsDesktopStart(arguments)) return corpus::RunFromDesktop(arguments);
    return corpus::RunCorpusProgram(arguments);
  } catch (const platform::FileError&) {
    std::fputs("lexavia-corpus: um argumento tem caracteres que o sistema não aceita\n", stderr);
  } catch (const std::bad_alloc&) {
    std::fputs("lexavia-corpus: memória esgotada\n", stderr);
  }
  return corpus::ExitNothingDone;
}
