// What reaches the main window while a run waits for the segmenter: other
// programs' clicks on the detect button and requests to close are sent
// messages, which the window handles during the wait, and neither may start
// a second run or end the first. The segmenter is a stand-in that never
// signals; the test signals for it and stops it, and the run then ends as
// usual.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "AppFolder.h"
#include "ExpectedTexts.h"
#include "LexaviaWindows.h"

using namespace driver;
namespace fs = std::filesystem;

namespace {

class DuringARunTest : public ::testing::Test {
 protected:
  DuringARunTest()
      : app_(AppFolder::MainDictionary::Small),
        lexavia_(app_.Program(), app_.Path()),
        main_(lexavia_.WaitForWindow(L"TMainForm")) {}

  void SetUp() override {
    app_.InstallSegmenter(Prepared("LEXAVIA_STAND_IN"));
    WriteFileBytes(input_, "Um blog.\n");
  }

  void TearDown() override {
    // A run that went wrong may wait for ever: its segmenters go first, so
    // that no process outlives the test.
    for (DWORD child : lexavia_.ChildProcesses()) {
      HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, child);
      if (process == nullptr) continue;
      TerminateProcess(process, 1);
      WaitForSingleObject(process, INFINITE);
      CloseHandle(process);
    }
    if (HasFailure() || !lexavia_.Running()) return;  // the driver ends it
    PostMessageW(main_.window, WM_CLOSE, 0, 0);
    EXPECT_EQ(lexavia_.WaitForExit(), 0u);
  }

  // Starts a run on the input and returns once its segmenter has started.
  void StartRun() {
    main_.Type(input_.wstring());
    main_.PostClick(main_.Button2);
    WaitUntil([&] { return fs::exists(segmenterId_) && fs::file_size(segmenterId_) > 0; },
              "the segmenter to start");
    ASSERT_EQ(lexavia_.ChildProcesses().size(), 1u);
  }

  // Answers a sent message once the window's thread has handled every
  // message sent to it before: during a run, once the run waits again.
  void WaitUntilSentMessagesAreHandled() {
    DWORD_PTR ignored = 0;
    ASSERT_TRUE(
        SendMessageTimeoutW(main_.window, WM_NULL, 0, 0, SMTO_NORMAL, 10 * 60 * 1000, &ignored));
  }

  // Signals readiness for the stand-in, which already wrote its text, and
  // stops it: the run goes on to its end and shows its message.
  void FinishRun() {
    HANDLE segmenter = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE,
                                   std::stoul(ReadFileBytes(segmenterId_)));
    ASSERT_NE(segmenter, nullptr);
    WriteFileBytes(input_.wstring() + L"._frasor_ready_.tmp", "");
    TerminateProcess(segmenter, 0);
    WaitForSingleObject(segmenter, INFINITE);
    CloseHandle(segmenter);
    MessageBoxSeen box = lexavia_.AnswerMessageBox();
    EXPECT_EQ(box.text, CompletionFor(input_.wstring()));
    EXPECT_FALSE(box.icon);
    EXPECT_EQ(TextOf(main_.Status), IdleStatus);
    EXPECT_EQ(TextOf(main_.Button2), DetectCaption);
    EXPECT_TRUE(fs::exists(input_.wstring() + L"_candidatos-neologismos.html"));
    EXPECT_FALSE(fs::exists(input_.wstring() + L".seg"));
    EXPECT_EQ(lexavia_.OpenMessageBox(), nullptr);
  }

  AppFolder app_;
  Lexavia lexavia_;
  MainWindow main_;
  fs::path input_ = app_.Texts() / L"artigo.txt";
  fs::path segmenterId_ = input_.wstring() + L".segmenter-pid";
};

}  // namespace

TEST_F(DuringARunTest, AClickThatAnotherProgramSendsToTheDetectButtonStartsNothing) {
  StartRun();
  // An automation tool's click: sent, without waiting for its handling.
  SendNotifyMessageW(main_.Button2, BM_CLICK, 0, 0);
  WaitUntilSentMessagesAreHandled();
  EXPECT_EQ(lexavia_.ChildProcesses().size(), 1u);  // no second segmenter started
  EXPECT_EQ(TextNow(main_.Status), SegmentingStatus);
  EXPECT_EQ(TextNow(main_.Button2), WaitCaption);
  FinishRun();
}

TEST_F(DuringARunTest, ARequestToCloseIsDroppedAndTheRunFinishes) {
  StartRun();
  DWORD_PTR ignored = 0;
  ASSERT_TRUE(
      SendMessageTimeoutW(main_.window, WM_CLOSE, 0, 0, SMTO_NORMAL, 10 * 60 * 1000, &ignored));
  EXPECT_TRUE(IsWindowVisible(main_.window));
  FinishRun();
  EXPECT_TRUE(lexavia_.Running());  // the next run may begin
}
