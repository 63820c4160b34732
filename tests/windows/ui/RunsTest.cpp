// Two runs in one process of the real Lexavia.exe, from an unpacked
// release with the shipped main dictionary: the first stores its new
// candidates, the second ignores stored ones. The reports and the user
// dictionary are those the Linux build writes for the same inputs, byte for
// byte.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "AppFolder.h"
#include "ExpectedTexts.h"
#include "LexaviaWindows.h"

using namespace driver;
namespace fs = std::filesystem;

namespace {

// Starts a run with the button and returns the seconds until the dictionary
// load had ended, as the status line shows it.
double RunUntilLoaded(const MainWindow& main) {
  LARGE_INTEGER frequency, start, loaded;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  main.PostClick(main.Button2);
  WaitUntil(
      [&] {
        std::wstring status = TextNow(main.Status);
        return !status.empty() && !status.starts_with(LoadingStatus) &&
               status != IdleStatus;  // the idle text of before the click
      },
      "the end of the dictionary load");
  QueryPerformanceCounter(&loaded);
  return static_cast<double>(loaded.QuadPart - start.QuadPart) / frequency.QuadPart;
}

void ExpectSameBytes(const fs::path& windows, const fs::path& linux) {
  EXPECT_EQ(ReadFileBytes(windows), ReadFileBytes(linux))
      << "differs from the Linux build's: " << linux.filename().string();
}

}  // namespace

TEST(RunsTest, TwoRunsStoreAndIgnoreAsTheLinuxBuildDoes) {
  AppFolder app(AppFolder::MainDictionary::Shipped);
  Lexavia lexavia(app.Program(), app.Path());
  MainWindow main(lexavia.WaitForWindow(L"TMainForm"));
  fs::path reference = Prepared("LEXAVIA_LINUX_REFERENCE");
  const std::wstring first = L"artigo de opini\u00e3o.txt";
  const std::wstring second = L"cr\u00f4nica.txt";

  main.Click(main.CheckBox2);  // store new candidates
  main.Type((app.Texts() / first).wstring());
  double firstLoad = RunUntilLoaded(main);
  EXPECT_EQ(TextNow(main.Button2), WaitCaption);  // while the run lasts
  MessageBoxSeen box = lexavia.AnswerMessageBox();
  EXPECT_EQ(box.text, CompletionFor((app.Texts() / first).wstring()));
  EXPECT_FALSE(box.icon);
  EXPECT_EQ(TextOf(main.Button2), DetectCaption);
  EXPECT_EQ(TextOf(main.Status), IdleStatus);

  main.Click(main.CheckBox4);  // and ignore stored ones
  main.Type((app.Texts() / second).wstring());
  double secondLoad = RunUntilLoaded(main);
  EXPECT_EQ(lexavia.AnswerMessageBox().text, CompletionFor((app.Texts() / second).wstring()));

  for (const std::wstring& input : {first, second}) {
    for (const wchar_t* report :
         {L"_candidatos-neologismos.txt", L"_candidatos-neologismos.html"}) {
      ExpectSameBytes(app.Texts() / (input + report), reference / (input + report));
    }
    EXPECT_FALSE(fs::exists(app.Texts() / (input + L".seg")));
    EXPECT_FALSE(fs::exists(app.Texts() / (input + L"._frasor_ready_.tmp")));
  }
  ExpectSameBytes(app.UserDictionaryPath(), reference / L"dicionario_usuario.txt");
  EXPECT_NE(ReadFileBytes(app.UserDictionaryPath()), "");

  std::printf("From the click to the segmenter: first run %.2f s, second run %.2f s\n", firstLoad,
              secondLoad);
  ::testing::Test::RecordProperty("first_run_load_ms", static_cast<int>(firstLoad * 1000));
  ::testing::Test::RecordProperty("second_run_load_ms", static_cast<int>(secondLoad * 1000));
  PostMessageW(main.window, WM_CLOSE, 0, 0);
  EXPECT_EQ(lexavia.WaitForExit(), 0u);
}
