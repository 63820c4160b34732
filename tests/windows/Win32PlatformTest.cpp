// The Win32 platform layer on the system's own terms: the share mode of
// every open, the system's error codes as the table's, names converted from
// Windows-1252 whatever the code page, paths at a drive's root, and
// processes that never outlive their handles.
#include <windows.h>

#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "platform/FileError.h"
#include "platform/FileSystem.h"
#include "platform/Process.h"
#include "platform/TextFile.h"
#include "platform/win32/WideText.h"
#include "support/CurrentFolder.h"
#include "support/ErrorOf.h"
#include "support/TempDir.h"

using platform::FileError;
using testing_support::ErrorOf;
using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

namespace {

std::wstring Wide(const std::string& ascii) { return std::wstring(ascii.begin(), ascii.end()); }

}  // namespace

TEST(Win32Files, AFileHeldBySomeoneElseMayBeReadButNotWritten) {
  TempDir dir;
  std::string path = dir / "relatorio.txt";
  platform::OutputFile held = platform::OutputFile::Create(path);
  held.Write("linha\r\n");
  EXPECT_EQ(ErrorOf([&] { platform::OutputFile::Create(path); }), "I/O error 32");
  held.Close();

  // A reader lets others read, not write.
  WriteBytes(path, "casa\r\n");
  platform::InputFile reader(path);
  platform::InputFile secondReader(path);
  EXPECT_EQ(ErrorOf([&] { platform::OutputFile::Create(path); }), "I/O error 32");
  reader.Close();
  secondReader.Close();
  EXPECT_EQ(ReadBytes(path), "casa\r\n");
}

// Run by a user without privileges: an administrator may write a file
// marked read-only.
TEST(Win32Files, TheSystemsCodesAreTheTablesCodes) {
  TempDir dir;
  EXPECT_EQ(ErrorOf([&] { platform::InputFile(dir / "ausente.txt"); }), "File not found");
  EXPECT_EQ(ErrorOf([&] { platform::InputFile(dir / "sem pasta/texto.txt"); }), "Invalid filename");
  EXPECT_EQ(ErrorOf([&] { platform::InputFile(dir.Path()); }), "File access denied");

  std::string readOnly = dir / "somente-leitura.txt";
  WriteBytes(readOnly, "blog\r\n");
  ASSERT_TRUE(SetFileAttributesW(Wide(readOnly).c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_EQ(ErrorOf([&] { platform::OutputFile::Create(readOnly); }), "File access denied");
  EXPECT_EQ(ErrorOf([&] { platform::AppendFile file(readOnly); }), "File access denied");
  SetFileAttributesW(Wide(readOnly).c_str(), FILE_ATTRIBUTE_NORMAL);

  // Codes a child process reports come back as the same errors.
  for (int code : {2, 3, 4, 5, 32, 112}) {
    FileError error = FileError::FromSystemError(code, "");
    EXPECT_EQ(error.ExitStatus(), code);
    EXPECT_STREQ(FileError::FromExitStatus(code).what(), error.what());
  }
  EXPECT_STREQ(FileError::FromExitStatus(112).what(), "I/O error 112");
}

TEST(Win32Files, NamesAreWindows1252WhateverTheCodePage) {
  TempDir dir;
  // "análise ç.txt" in Windows-1252 bytes names the file of those characters.
  std::string name = dir / "an\xE1lise \xE7.txt";
  platform::OutputFile file = platform::OutputFile::Create(name);
  file.Write("texto");
  file.Close();
  std::wstring wide = Wide(dir.Path()) + L"/an\u00E1lise \u00E7.txt";
  EXPECT_NE(GetFileAttributesW(wide.c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_TRUE(platform::FileExists(name));

  // A folder whose name Windows-1252 cannot hold cannot be the current one.
  std::wstring greek = Wide(dir.Path()) + L"/\u03A9mega";
  ASSERT_TRUE(CreateDirectoryW(greek.c_str(), nullptr));
  testing_support::CurrentFolderScope restored(dir.Path());
  ASSERT_TRUE(SetCurrentDirectoryW(greek.c_str()));
  EXPECT_EQ(ErrorOf([] { platform::CurrentDirectory(); }), "Invalid filename");
}

TEST(Win32Files, PathsUnderADriveRootHoldTwoBackslashes) {
  ASSERT_TRUE(SetCurrentDirectoryW(L"C:\\"));
  std::string root = platform::CurrentDirectory();
  EXPECT_EQ(root, "C:\\");
  std::string path = platform::PathUnder(root, {"lexavia-teste-raiz.txt"});
  EXPECT_EQ(path, "C:\\\\lexavia-teste-raiz.txt");
  platform::OutputFile file = platform::OutputFile::Create(path);
  file.Write("raiz");
  file.Close();
  EXPECT_TRUE(platform::FileExists(path));
  EXPECT_EQ(ReadBytes("C:\\lexavia-teste-raiz.txt"), "raiz");
  EXPECT_TRUE(platform::RemoveFile(path));
}

TEST(Win32Files, PathsAreNormalisedAndMarkedToPassTheOldLengthLimit) {
  using platform::win32::ExtendedPath;
  EXPECT_EQ(ExtendedPath("C:/textos/../textos/./artigo.txt"), L"\\\\?\\C:\\textos\\artigo.txt");
  EXPECT_EQ(ExtendedPath("\\\\servidor\\pasta\\a\\..\\artigo.txt"),
            L"\\\\?\\UNC\\servidor\\pasta\\artigo.txt");
  EXPECT_EQ(ExtendedPath("\\\\?\\C:\\x\\..\\y"), L"\\\\?\\C:\\x\\..\\y");  // taken as it is
  {
    testing_support::CurrentFolderScope inRoot("C:\\");
    EXPECT_EQ(ExtendedPath("an\xE1lise.txt"), L"\\\\?\\C:\\an\u00E1lise.txt");
  }
  // A device stays a device, not a file of that name.
  EXPECT_EQ(ExtendedPath("NUL"), L"\\\\.\\NUL");
  EXPECT_EQ(ErrorOf([] { platform::InputFile("NUL"); }), "File access denied");

  // Far past 260 characters, every operation works.
  TempDir dir;
  std::string folder = dir.Path();
  for (int i = 0; i < 3; ++i) {
    folder += "\\" + std::string(100, static_cast<char>('a' + i));
    ASSERT_TRUE(CreateDirectoryW(ExtendedPath(folder).c_str(), nullptr));
  }
  std::string path = folder + "\\relat\xF3rio.txt";
  ASSERT_GT(path.size(), 300u);
  platform::OutputFile file = platform::OutputFile::Create(path);
  file.Write("longo");
  file.Close();
  EXPECT_TRUE(platform::FileExists(path));
  platform::RenameFile(path, path + ".html");
  platform::InputFile reader(path + ".html");
  char bytes[8];
  EXPECT_EQ(reader.Read(bytes, sizeof bytes), 5u);
  reader.Close();
  EXPECT_TRUE(platform::RemoveFile(path + ".html"));
  EXPECT_FALSE(platform::FileExists(path + ".html"));
}

TEST(Win32Files, AppendersAndReadersWaitForTheAppenderBeforeThem) {
  TempDir dir;
  std::string path = dir / "dicionario_usuario.txt";
  WriteBytes(path, "blog\r\n");
  platform::AppendFile first(path);
  // Opens while the first holds the file, or after: either way it appends
  // its whole block behind the first one's.
  std::thread second([&] {
    platform::AppendFile file(path);
    file.AppendBlock("vlog\r\n");
    file.Close();
  });
  first.AppendBlock("tuitar\r\n");
  first.Close();
  second.join();
  EXPECT_EQ(ReadBytes(path), "blog\r\ntuitar\r\nvlog\r\n");

  // A program loading the dictionary waits for the one storing into it, and
  // reads what it stored.
  platform::AppendFile storing(path);
  std::string loaded;
  std::thread loading([&] {
    platform::LineReader reader(path);
    for (std::string line; reader.NextLine(line);) loaded += line + "|";
    reader.Close();
  });
  storing.AppendBlock("podcast\r\n");
  storing.Close();
  loading.join();
  EXPECT_EQ(loaded, "blog|tuitar|vlog|podcast|");
}

TEST(Win32Processes, ExitCodesComeBackAndNoProcessOutlivesItsHandle) {
  platform::Process exits = platform::Process::Start(CHILD_PROGRAM, "exit:7");
  std::optional<platform::ProcessEnd> end;
  while (!(end = exits.WaitForEnd(1000))) {
  }
  EXPECT_FALSE(end->killedBySignal);
  EXPECT_EQ(end->code, 7);

  TempDir dir;
  std::string idFile = dir / "id.txt";
  DWORD id = 0;
  {
    platform::Process lingering = platform::Process::Start(CHILD_PROGRAM, "linger:" + idFile);
    while (!platform::FileExists(idFile) || ReadBytes(idFile).empty()) Sleep(1);
    id = static_cast<DWORD>(std::stoul(ReadBytes(idFile)));
    EXPECT_FALSE(lingering.PollEnd());
  }
  HANDLE gone = OpenProcess(SYNCHRONIZE, FALSE, id);
  if (gone != nullptr) {
    EXPECT_EQ(WaitForSingleObject(gone, 0), WAIT_OBJECT_0);
    CloseHandle(gone);
  }
}

TEST(Win32Processes, ACrashReadsAsAnEndFromOutside) {
  platform::Process crashes = platform::Process::Start(CHILD_PROGRAM, "crash");
  std::optional<platform::ProcessEnd> end;
  while (!(end = crashes.WaitForEnd(1000))) {
  }
  EXPECT_TRUE(end->killedBySignal);
  EXPECT_EQ(static_cast<DWORD>(end->code), static_cast<DWORD>(EXCEPTION_ACCESS_VIOLATION));
}

TEST(Win32Processes, TheChildGetsItsArgumentWhole) {
  TempDir dir;
  std::string out = dir / "argumento.txt";
  // Blanks, backslashes, a leading dash and a trailing backslash reach the
  // child unsplit.
  for (std::string argument : {"a b", "c:\\pasta\\", "-op\xE7\xE3o", "x\\"}) {
    platform::Process child =
        platform::Process::Start(CHILD_PROGRAM, "echo:" + out + "|" + argument);
    std::optional<platform::ProcessEnd> end;
    while (!(end = child.WaitForEnd(1000))) {
    }
    EXPECT_EQ(end->code, 0);
    EXPECT_EQ(ReadBytes(out), "1|" + argument);
  }
}

TEST(Win32Processes, NamesThatTheCommandLineCannotCarryAreRefused) {
  EXPECT_EQ(ErrorOf([] { platform::Process::Start(CHILD_PROGRAM, "cita \"x\".txt"); }),
            "Invalid filename");
  TempDir dir;
  EXPECT_EQ(ErrorOf([&] { platform::Process::Start(dir / "nada.exe", "x"); }), "File not found");
}
