// lexavia-corpus.exe end to end under Windows: a corpus folder on the
// command line, and the folder dropped on the program in Explorer, whose
// start gives it a console of its own.
#include <windows.h>

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "corpus/DesktopStart.h"
#include "platform/FileSystem.h"
#include "platform/win32/WideText.h"
#include "support/TempDir.h"

using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteThroughPlatform;

namespace {

// The row of `word` in a candidatos.tsv; empty when it has none.
std::string Line(const std::string& table, const std::string& word) {
  std::size_t start = table.find("\n" + word + "\t");
  if (start == std::string::npos) return "";
  return table.substr(start + 1, table.find('\n', start + 1) - start - 1);
}

// An inheritable handle of a file of the test's, for a child's standard stream.
HANDLE Inherited(const std::string& path, DWORD access, DWORD disposition) {
  SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
  return CreateFileW(platform::win32::WidePath(path).c_str(), access, FILE_SHARE_READ, &inherit,
                     disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}

class CorpusProgramOnWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    // The application folder's layout: the program, corpus/ and dicionarios/.
    std::filesystem::create_directories(dir_ / "app/corpus");
    std::filesystem::create_directories(dir_ / "app/dicionarios");
    std::filesystem::copy_file(LEXAVIA_CORPUS_EXE, dir_ / "app/lexavia-corpus.exe");
    for (const auto& list : std::filesystem::directory_iterator(LEXAVIA_CORPUS_LISTS)) {
      std::filesystem::copy_file(list.path(), dir_ / "app/corpus" / list.path().filename());
    }
    WriteThroughPlatform(dir_ / "app/dicionarios/dicionario_principal.txt",
                         "o\r\na\r\nde\r\nchegou\r\nviu\r\n");
    std::filesystem::create_directories(dir_ / "atual");
    std::filesystem::create_directories(dir_ / "textos");
    WriteThroughPlatform(dir_ / "entrada", "\r\n");
    // A name of Windows-1252 letters, and a dated one.
    WriteThroughPlatform(dir_ / "textos/Cora\xE7\xE3o \x80.txt",
                         "O xablau chegou. O zorbax viu.\r\n");
    WriteThroughPlatform(dir_ / "textos/b-2024-05-17.txt", "A blogagem viu o zorbax.\r\n");
    SetEnvironmentVariableA(corpus::NoBrowserVariable, "1");
  }

  // Runs lexavia-corpus.exe with `arguments` in the folder "atual", its
  // input from "entrada", in a console of its own when `ownConsole` (as
  // Explorer starts it) or else in this test's; its exit status.
  DWORD Run(const std::string& arguments, bool ownConsole) {
    std::wstring commandLine =
        platform::win32::WidePath("\"" + dir_ / "app/lexavia-corpus.exe\" " + arguments);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = Inherited(dir_ / "entrada", GENERIC_READ, OPEN_EXISTING);
    startup.hStdOutput = Inherited(dir_ / "saida.txt", GENERIC_WRITE, CREATE_ALWAYS);
    startup.hStdError = Inherited(dir_ / "erros.txt", GENERIC_WRITE, CREATE_ALWAYS);
    PROCESS_INFORMATION started = {};
    EXPECT_TRUE(CreateProcessW(
        nullptr, commandLine.data(), nullptr, nullptr, TRUE, ownConsole ? CREATE_NEW_CONSOLE : 0,
        nullptr, platform::win32::WidePath(dir_ / "atual").c_str(), &startup, &started));
    WaitForSingleObject(started.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(started.hProcess, &code);
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    for (HANDLE stream : {startup.hStdInput, startup.hStdOutput, startup.hStdError}) {
      CloseHandle(stream);
    }
    errors_ = ReadBytes(dir_ / "erros.txt");
    return code;
  }

  TempDir dir_;
  std::string errors_;
};

TEST_F(CorpusProgramOnWindows, ACorpusWithPathsNotReadIsReadAndNamedInUtf8) {
  // A path that is not there, and a document whose name no path of the
  // program can reach, are named, counted, and the rest is read.
  HANDLE unheld =
      CreateFileW(platform::win32::WidePath(dir_ / "textos").append(L"\\\u6587.txt").c_str(),
                  GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(unheld, INVALID_HANDLE_VALUE);
  CloseHandle(unheld);
  DWORD status = Run("--saida . ..\\textos ..\\sumiu.txt", false);

  EXPECT_EQ(status, 1u) << errors_;
  EXPECT_NE(errors_.find("caminho n\xC3\xA3o encontrado: ..\\sumiu.txt"), std::string::npos)
      << errors_;
  EXPECT_NE(errors_.find("n\xC3\xA3o lido, o nome tem caracteres fora do Windows-1252: "
                         "..\\textos\\?.txt"),
            std::string::npos)
      << errors_;
  std::string table = ReadBytes(dir_ / "atual/candidatos.tsv");
  // Frequency, documents and the first document, named in UTF-8.
  EXPECT_NE(Line(table, "xablau").find("\t1\t1\tCora\xC3\xA7\xC3\xA3o \xE2\x82\xAC.txt\t"),
            std::string::npos)
      << table;
  EXPECT_NE(Line(table, "zorbax").find("\t2\t2\t"), std::string::npos) << table;
  EXPECT_NE(table.find("\nblogagem\t"), std::string::npos) << table;
  EXPECT_TRUE(platform::FileExists(dir_ / "atual/candidatos.html"));
}

TEST_F(CorpusProgramOnWindows, AFolderDroppedOnTheProgramGetsItsOutputsAndItsPageShown) {
  // Explorer passes the folder's whole name.
  std::string folder = dir_ / "textos";
  std::string arguments = "\"" + folder + "\"";

  // From a command prompt the same command line stays a command line: the
  // outputs go into the current folder and nothing waits.
  EXPECT_EQ(Run(arguments, false), 0u) << errors_;
  EXPECT_TRUE(platform::FileExists(dir_ / "atual/candidatos.tsv"));
  EXPECT_FALSE(platform::FileExists(folder + "/candidatos.tsv"));
  EXPECT_EQ(errors_.find("Tecle Enter"), std::string::npos) << errors_;

  EXPECT_EQ(Run(arguments, true), 0u) << errors_;
  EXPECT_TRUE(platform::FileExists(folder + "/candidatos.tsv"));
  EXPECT_NE(
      errors_.find("abrindo " + platform::PathUnder(folder, {"candidatos.html"}) + " no navegador"),
      std::string::npos)
      << errors_;
  EXPECT_NE(errors_.find("Tecle Enter para fechar esta janela."), std::string::npos) << errors_;
}

}  // namespace
