// The program's start and end from outside: a start that cannot succeed,
// and the end of the Windows session, while idle and while a run waits for
// a segmenter that never signals.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "AppFolder.h"
#include "ExpectedTexts.h"
#include "LexaviaWindows.h"

using namespace driver;
namespace fs = std::filesystem;

namespace {

// Sends a message of the session's end as the system does, to a window
// that may be gone meanwhile; the answer, or 0.
LRESULT SendSessionMessage(HWND window, UINT message, WPARAM wParam) {
  DWORD_PTR answer = 0;
  SendMessageTimeoutW(window, message, wParam, ENDSESSION_LOGOFF, SMTO_NORMAL, 10 * 60 * 1000,
                      &answer);
  return static_cast<LRESULT>(answer);
}

}  // namespace

TEST(StartTest, AStartInAFolderWhoseNameWindows1252CannotHoldShowsWhyAndEndsWithOne) {
  AppFolder app(AppFolder::MainDictionary::Small, L"pasta \u0416");
  // The title comes from the program's file name.
  fs::path renamed = app.Path() / L"NEOLOGISMOS.v2.exe";
  fs::copy_file(app.Program(), renamed);
  Lexavia lexavia(renamed, app.Path());
  MessageBoxSeen box = lexavia.AnswerMessageBox();
  EXPECT_EQ(box.caption, L"Neologismos");
  EXPECT_EQ(box.text, L"Invalid filename.");
  EXPECT_TRUE(box.icon);
  EXPECT_EQ(lexavia.WaitForExit(), 1u);
}

TEST(SessionEndTest, WhileIdleTheWindowClosesBeforeTheMessageReturns) {
  AppFolder app(AppFolder::MainDictionary::Small);
  WriteFileBytes(app.UserDictionaryPath(), "vlog\r\n");
  Lexavia lexavia(app.Program(), app.Path());
  HWND main = lexavia.WaitForWindow(L"TMainForm");
  EXPECT_EQ(SendSessionMessage(main, WM_QUERYENDSESSION, 0), TRUE);
  SendSessionMessage(main, WM_ENDSESSION, TRUE);
  EXPECT_FALSE(IsWindow(main));  // FormClose has run: the program may be ended now
  EXPECT_EQ(lexavia.WaitForExit(), 0u);
  EXPECT_EQ(ReadFileBytes(app.UserDictionaryPath()), "vlog\r\n");
}

TEST(SessionEndTest, DuringTheWaitForTheSegmenterTheRunEndsAndTheWindowClosesWithoutABox) {
  AppFolder app(AppFolder::MainDictionary::Small);
  app.InstallSegmenter(Prepared("LEXAVIA_STAND_IN"));
  WriteFileBytes(app.UserDictionaryPath(), "vlog\r\n");
  fs::path input = app.Texts() / L"artigo.txt";
  WriteFileBytes(input, "Um blog.\n");
  Lexavia lexavia(app.Program(), app.Path());
  MainWindow main(lexavia.WaitForWindow(L"TMainForm"));
  main.Click(main.CheckBox2);  // the run would store its candidates
  main.Type(input.wstring());
  main.PostClick(main.Button2);

  fs::path segmenterId = input.wstring() + L".segmenter-pid";
  WaitUntil([&] { return fs::exists(segmenterId) && fs::file_size(segmenterId) > 0; },
            "the segmenter to start");
  EXPECT_EQ(TextNow(main.Status), SegmentingStatus);
  HANDLE segmenter = OpenProcess(SYNCHRONIZE, FALSE, std::stoul(ReadFileBytes(segmenterId)));
  ASSERT_NE(segmenter, nullptr);

  EXPECT_EQ(SendSessionMessage(main.window, WM_QUERYENDSESSION, 0), TRUE);
  SendSessionMessage(main.window, WM_ENDSESSION, TRUE);
  bool boxShown = false;
  WaitUntil(
      [&] {
        if (lexavia.OpenMessageBox() != nullptr) {
          boxShown = true;
          lexavia.AnswerMessageBox();
        }
        return !lexavia.Running();
      },
      "Lexavia to end");
  EXPECT_FALSE(boxShown);
  EXPECT_EQ(lexavia.WaitForExit(), 0u);
  EXPECT_EQ(ReadFileBytes(app.UserDictionaryPath()), "vlog\r\n");
  EXPECT_FALSE(fs::exists(input.wstring() + L".seg"));
  EXPECT_FALSE(fs::exists(input.wstring() + L"_candidatos-neologismos.txt"));
  WaitUntil([&] { return WaitForSingleObject(segmenter, 0) == WAIT_OBJECT_0; },
            "the segmenter to be stopped");
  CloseHandle(segmenter);
}
