// The Win32 main window of the real Lexavia.exe, from an unpacked release,
// driven from outside as a user drives it: its look, its checks, its boxes,
// its dialogs and its failures.
#include <windows.h>

#include <dlgs.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <vector>

#include "AppFolder.h"
#include "ExpectedTexts.h"
#include "LexaviaWindows.h"

using namespace driver;
namespace fs = std::filesystem;

namespace {

// A key pressed and released on `control`, as the keyboard posts it.
void PostKey(HWND control, WPARAM key) {
  PostMessageW(control, WM_KEYDOWN, key, 1);
  PostMessageW(control, WM_KEYUP, key, 0xC0000001);
}

// A program started in a fresh application folder, its main window found.
class MainWindowTest : public ::testing::Test {
 protected:
  explicit MainWindowTest(AppFolder::MainDictionary dictionary = AppFolder::MainDictionary::Small)
      : app_(dictionary),
        lexavia_(app_.Program(), app_.Path()),
        main_(lexavia_.WaitForWindow(L"TMainForm")) {}

  void TearDown() override {
    if (!lexavia_.Running()) return;
    PostMessageW(main_.window, WM_CLOSE, 0, 0);
    EXPECT_EQ(lexavia_.WaitForExit(), 0u);
  }

  // Presses Tab until `control` has the focus.
  void TabTo(HWND control) {
    WaitUntil([&] { return IsChild(main_.window, lexavia_.Focus()); },
              "the focus in the main window");
    for (HWND focus; (focus = lexavia_.Focus()) != control;) {
      PostKey(focus, VK_TAB);
      WaitUntil([&] { return lexavia_.Focus() != focus; }, "the focus to move on");
    }
  }

  // A key pressed on the control that has the focus by then.
  struct KeyPress {
    HWND focus;
    WPARAM key;
  };

  // Presses the keys in turn and then clicks the help label: the program
  // handles them in that order, so whatever a key brings shows before the
  // help window. Fails on any message box or dialog.
  void ExpectNothingShownForKeys(std::initializer_list<KeyPress> presses) {
    for (const KeyPress& press : presses) PostKey(press.focus, press.key);
    main_.PostClick(main_.Label4);
    std::vector<std::wstring> shown;
    HWND help = nullptr;
    WaitUntil(
        [&] {
          if (lexavia_.OpenMessageBox() != nullptr) {
            shown.push_back(lexavia_.AnswerMessageBox().text);
          } else if (HWND dialog = lexavia_.Window(L"#32770")) {
            shown.push_back(TextOf(dialog));
            PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
            WaitUntil([&] { return !IsWindow(dialog); }, "the dialog to close");
          }
          return (help = lexavia_.Window(L"TAjudaForm")) != nullptr;
        },
        "the help window");
    EXPECT_TRUE(shown.empty()) << shown.size() << " shown";
    PostMessageW(help, WM_CLOSE, 0, 0);
    WaitUntil(
        [&] { return IsWindowEnabled(main_.window) && IsChild(main_.window, lexavia_.Focus()); },
        "the main window to take input again");
  }

  // The names of the files in the texts folder.
  std::vector<std::wstring> TextsFolder() const {
    std::vector<std::wstring> names;
    for (const auto& entry : fs::directory_iterator(app_.Texts())) {
      names.push_back(entry.path().filename().wstring());
    }
    return names;
  }

  AppFolder app_;
  Lexavia lexavia_;
  MainWindow main_;
};

// A control's place in the design, at 96 dots per inch.
struct DesignPlace {
  int left;
  int top;
  int width;
  int height;
};

// The edit of the open dialog's file name box, an edit itself or one inside
// a combo box, depending on the system.
HWND FileNameEdit(HWND dialog) {
  HWND box =
      GetDlgItem(dialog, cmb13) != nullptr ? GetDlgItem(dialog, cmb13) : GetDlgItem(dialog, edt1);
  if (box == nullptr || ClassOf(box) == L"Edit") return box;
  HWND found = nullptr;
  EnumChildWindows(
      box,
      [](HWND child, LPARAM result) {
        if (ClassOf(child) != L"Edit") return TRUE;
        *reinterpret_cast<HWND*>(result) = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

void ExpectMessageDialog(const MessageBoxSeen& box, const std::wstring& text) {
  EXPECT_EQ(box.caption, Title);
  EXPECT_EQ(box.text, text);
  EXPECT_FALSE(box.icon);
  EXPECT_EQ(box.buttons, 1);
  EXPECT_EQ(box.buttonText, L"OK");
}

void ExpectErrorBox(const MessageBoxSeen& box, const std::wstring& text) {
  EXPECT_EQ(box.caption, Title);
  EXPECT_EQ(box.text, text);
  EXPECT_TRUE(box.icon);
  EXPECT_EQ(box.buttons, 1);
}

}  // namespace

TEST_F(MainWindowTest, StartsWithTheLayoutAndStateOfTheDesign) {
  EXPECT_EQ(TextOf(main_.window), Title);
  LONG style = StyleOf(main_.window);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);  // it cannot be resized
  SIZE client = ClientSize(main_.window);
  EXPECT_EQ(client.cx, AtTestedDpi(599));
  EXPECT_EQ(client.cy, AtTestedDpi(224));

  // Centred on the whole desktop by its outer frame, title bar included.
  RECT frame;
  GetWindowRect(main_.window, &frame);
  int desktopLeft = GetSystemMetrics(SM_XVIRTUALSCREEN);
  int desktopTop = GetSystemMetrics(SM_YVIRTUALSCREEN);
  EXPECT_NEAR(frame.left + frame.right, 2 * desktopLeft + GetSystemMetrics(SM_CXVIRTUALSCREEN), 1);
  EXPECT_NEAR(frame.top + frame.bottom, 2 * desktopTop + GetSystemMetrics(SM_CYVIRTUALSCREEN), 1);

  struct Expected {
    HWND control;
    DesignPlace place;
    std::wstring text;
  };
  for (const Expected& expected : {
           Expected{main_.Label1,
                    {16, 16, 358, 13},
                    L"Especifique o arquivo em que quer buscar termos candidatos a neologismos"},
           Expected{main_.Edit1, {16, 32, 489, 21}, L""},
           Expected{main_.Button1, {512, 32, 75, 25}, L"Abrir"},
           Expected{main_.Label2,
                    {16, 72, 564, 13},
                    L"Deseja armazenar os candidatos no dicion\u00e1rio de exclus\u00e3o (para que "
                    L"eles n\u00e3o sejam detectados novamente no futuro)?"},
           Expected{main_.CheckBox1, {16, 88, 65, 17}, L"N\u00e3o"},
           Expected{main_.CheckBox2, {96, 88, 65, 17}, L"Sim"},
           Expected{main_.Label3,
                    {16, 120, 389, 13},
                    L"Deseja que candidatos detectados no passado (e armazenados) sejam "
                    L"ignorados?"},
           Expected{main_.CheckBox3, {16, 136, 73, 17}, L"N\u00e3o"},
           Expected{main_.CheckBox4, {96, 136, 65, 17}, L"Sim"},
           Expected{main_.Button2, {211, 168, 177, 25}, DetectCaption},
           Expected{main_.Status, {16, 208, 289, 13}, IdleStatus},
           Expected{main_.Label4, {560, 208, 27, 13}, L"Ajuda"},
       }) {
    RECT place = PlaceOf(expected.control);
    EXPECT_EQ(place.left, AtTestedDpi(expected.place.left)) << TextOf(expected.control).size();
    EXPECT_EQ(place.top, AtTestedDpi(expected.place.top));
    // A label is as wide as its text: at 96 dots per inch in MS Sans Serif,
    // the design's widths; the face's other sizes have metrics of their own.
    if (ClassOf(expected.control) != L"Static" || TestedDpi() == USER_DEFAULT_SCREEN_DPI) {
      EXPECT_EQ(place.right - place.left, AtTestedDpi(expected.place.width));
      EXPECT_EQ(place.bottom - place.top, AtTestedDpi(expected.place.height));
    }
    EXPECT_EQ(TextOf(expected.control), expected.text);
  }

  EXPECT_TRUE(main_.Checked(main_.CheckBox1));
  EXPECT_FALSE(main_.Checked(main_.CheckBox2));
  EXPECT_TRUE(main_.Checked(main_.CheckBox3));
  EXPECT_FALSE(main_.Checked(main_.CheckBox4));
  // The file name's length is not limited, and labels take no focus.
  EXPECT_GE(SendMessageW(main_.Edit1, EM_GETLIMITTEXT, 0, 0), 0x7FFFFFFE);
  for (HWND label : {main_.Label1, main_.Label2, main_.Label3, main_.Status, main_.Label4}) {
    EXPECT_FALSE(StyleOf(label) & WS_TABSTOP);
  }
  EXPECT_TRUE(StyleOf(main_.Label4) & SS_NOTIFY);  // the only clickable label
  for (HWND button : {main_.Button1, main_.Button2}) {
    EXPECT_EQ(StyleOf(button) & BS_TYPEMASK, BS_PUSHBUTTON);  // neither is a default button
  }

  // The focus starts in the file name; Tab goes through the controls in order.
  EXPECT_EQ(lexavia_.Focus(), main_.Edit1);
  std::vector<HWND> order = {main_.Edit1,     main_.Button1,   main_.CheckBox1, main_.CheckBox2,
                             main_.CheckBox3, main_.CheckBox4, main_.Button2,   main_.Edit1};
  for (std::size_t i = 0; i + 1 < order.size(); ++i) {
    EXPECT_EQ(GetNextDlgTabItem(main_.window, order[i], FALSE), order[i + 1]) << i;
  }
}

TEST_F(MainWindowTest, OnlyTheStatusLineAndTheHelpLabelAreGrey) {
  const COLORREF grey = RGB(128, 128, 128);
  const COLORREF windowText = GetSysColor(COLOR_WINDOWTEXT);
  auto shows = [](HWND control, COLORREF colour) { return ColoursOnScreen(control).count(colour); };
  std::vector<HWND> labels = {main_.Label1, main_.Label2, main_.Label3, main_.Status, main_.Label4};
  WaitUntil(
      [&] {
        return std::all_of(labels.begin(), labels.end(),
                           [](HWND label) { return ColoursOnScreen(label).size() > 1; });
      },
      "the labels' letters on the screen");
  for (HWND label : {main_.Label1, main_.Label2, main_.Label3}) {
    EXPECT_TRUE(shows(label, windowText));
    EXPECT_FALSE(shows(label, grey));
  }
  for (HWND label : {main_.Status, main_.Label4}) {
    EXPECT_TRUE(shows(label, grey));
    EXPECT_FALSE(shows(label, windowText));
  }
  // Around the letters, the window's button-face background.
  for (HWND label : labels) {
    std::map<COLORREF, int> colours = ColoursOnScreen(label);
    auto most = std::max_element(colours.begin(), colours.end(),
                                 [](auto& a, auto& b) { return a.second < b.second; });
    EXPECT_EQ(most->first, GetSysColor(COLOR_BTNFACE));
  }
}

TEST_F(MainWindowTest, ChecksTheFileNameFirstAndThenEachQuestion) {
  main_.Click(main_.CheckBox1);
  main_.Click(main_.CheckBox3);
  ASSERT_FALSE(main_.Checked(main_.CheckBox1) || main_.Checked(main_.CheckBox3));
  main_.PostClick(main_.Button2);
  ExpectMessageDialog(lexavia_.AnswerMessageBox(), NoFileMessage);

  main_.Type(L"   ");  // blanks pass the first check
  main_.PostClick(main_.Button2);
  ExpectMessageDialog(lexavia_.AnswerMessageBox(), NoOptionMessage);

  main_.Click(main_.CheckBox2);  // the first question answered, the second not
  main_.PostClick(main_.Button2);
  ExpectMessageDialog(lexavia_.AnswerMessageBox(), NoOptionMessage);
  EXPECT_EQ(TextOf(main_.Status), IdleStatus);  // no run started
  EXPECT_EQ(TextOf(main_.Button2), DetectCaption);
}

TEST_F(MainWindowTest, EnterAndEscapeStartNothing) {
  // No button is the default or the cancel button: Enter in the file name or
  // on a check box, and Escape anywhere, act on none. With no file named, a
  // run started would show a box at once.
  ExpectNothingShownForKeys({{main_.Edit1, VK_RETURN},
                             {main_.Edit1, VK_ESCAPE},
                             {main_.Edit1, VK_TAB},
                             {main_.Button1, VK_ESCAPE},
                             {main_.Button1, VK_TAB},
                             {main_.CheckBox1, VK_RETURN},
                             {main_.CheckBox1, VK_ESCAPE},
                             {main_.CheckBox1, VK_TAB},
                             {main_.CheckBox2, VK_TAB},
                             {main_.CheckBox3, VK_TAB},
                             {main_.CheckBox4, VK_TAB},
                             {main_.Button2, VK_ESCAPE}});
  EXPECT_EQ(lexavia_.Focus(), main_.Button2);  // each key met the control meant
  EXPECT_EQ(TextOf(main_.Status), IdleStatus);
}

TEST_F(MainWindowTest, AButtonReachedWithTabAnswersEnterAndSpaceAsAClick) {
  TabTo(main_.Button1);
  PostKey(main_.Button1, VK_RETURN);
  HWND dialog = lexavia_.WaitForWindow(L"#32770");
  EXPECT_EQ(lexavia_.OpenMessageBox(), nullptr);  // the open dialog, not a box
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  WaitUntil([&] { return !IsWindow(dialog); }, "the open dialog to close");

  TabTo(main_.Button2);
  for (WPARAM key : {VK_RETURN, VK_SPACE}) {
    PostKey(main_.Button2, key);
    // A run's first check: no file is named.
    EXPECT_EQ(lexavia_.AnswerMessageBox().text, NoFileMessage) << key;
    WaitUntil([&] { return lexavia_.Focus() == main_.Button2; }, "the focus back on the button");
  }
}

TEST_F(MainWindowTest, TheTwoBoxesOfAQuestionAreNeverBothChecked) {
  main_.Click(main_.CheckBox2);
  EXPECT_TRUE(main_.Checked(main_.CheckBox2));
  EXPECT_FALSE(main_.Checked(main_.CheckBox1));
  main_.Click(main_.CheckBox2);
  EXPECT_FALSE(main_.Checked(main_.CheckBox2));
  EXPECT_FALSE(main_.Checked(main_.CheckBox1));  // the question may stay unanswered

  // The space bar works as a click.
  for (HWND box : {main_.CheckBox4, main_.CheckBox3}) {
    SendMessageW(box, WM_KEYDOWN, VK_SPACE, 0);
    SendMessageW(box, WM_KEYUP, VK_SPACE, 0);
    EXPECT_TRUE(main_.Checked(box));
    EXPECT_FALSE(main_.Checked(box == main_.CheckBox4 ? main_.CheckBox3 : main_.CheckBox4));
  }
}

TEST_F(MainWindowTest, ANameOutsideWindows1252IsRefusedAndTouchesNothing) {
  main_.Click(main_.CheckBox2);  // stores new candidates, if a run went on
  // Cyrillic, which the code page lacks, and a letter it would turn into another.
  for (const wchar_t* name : {L"\u0442\u0435\u043a\u0441\u0442.txt", L"\u0141\u00f3d\u017a.txt"}) {
    fs::path input = app_.Texts() / name;
    WriteFileBytes(input, "Um blog.\n");
    std::vector<std::wstring> before = TextsFolder();
    main_.Type(input.wstring());
    main_.PostClick(main_.Button2);
    ExpectErrorBox(lexavia_.AnswerMessageBox(), L"Invalid filename.");
    EXPECT_EQ(TextsFolder(), before);
    EXPECT_EQ(ReadFileBytes(app_.UserDictionaryPath()), "");
    EXPECT_EQ(TextOf(main_.Button2), DetectCaption);
  }
}

TEST_F(MainWindowTest, TheOpenButtonTakesAChosenFileAndOpensWithItNextTime) {
  fs::path chosen = app_.Texts() / L"escolhido.txt";
  WriteFileBytes(chosen, "texto");
  main_.Type(L"digitado.txt");

  auto openDialog = [&] {
    main_.PostClick(main_.Button1);
    HWND dialog = nullptr;
    WaitUntil([&] { return (dialog = lexavia_.Window(L"#32770")) != nullptr; }, "the open dialog");
    EXPECT_TRUE(StyleOf(dialog) & WS_THICKFRAME);  // resizable
    HWND readOnly = GetDlgItem(dialog, chx1);
    EXPECT_TRUE(readOnly == nullptr || !IsWindowVisible(readOnly));
    return std::pair{dialog, FileNameEdit(dialog)};
  };

  auto [dialog, nameEdit] = openDialog();
  EXPECT_EQ(TextOf(nameEdit), L"");  // nothing chosen yet; the typed name is not passed
  SendMessageW(nameEdit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(chosen.wstring().c_str()));
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  WaitUntil([&] { return !IsWindow(dialog); }, "the open dialog to close");
  EXPECT_EQ(TextOf(main_.Edit1), chosen.wstring());

  // The next time it opens with that file; a cancel keeps the name.
  main_.Type(L"digitado.txt");
  auto [again, againEdit] = openDialog();
  EXPECT_EQ(TextOf(againEdit), chosen.filename().wstring());
  PostMessageW(again, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  WaitUntil([&] { return !IsWindow(again); }, "the open dialog to close");
  EXPECT_EQ(TextOf(main_.Edit1), L"digitado.txt");
}

TEST_F(MainWindowTest, TheHelpWindowIsModalReadOnlyAndKeepsItsState) {
  main_.PostClick(main_.Label4);
  HWND help = lexavia_.WaitForWindow(L"TAjudaForm");
  EXPECT_FALSE(IsWindowEnabled(main_.window));  // modal: the main window takes no input
  EXPECT_EQ(TextOf(help), L"Ajuda");
  LONG style = StyleOf(help);
  EXPECT_TRUE((style & WS_THICKFRAME) && (style & WS_MAXIMIZEBOX) && (style & WS_MINIMIZEBOX));
  SIZE client = ClientSize(help);
  EXPECT_EQ(client.cx, AtTestedDpi(376));
  EXPECT_EQ(client.cy, AtTestedDpi(193));
  RECT frame;
  GetWindowRect(help, &frame);  // centred on the primary screen by its outer frame
  EXPECT_NEAR(frame.left + frame.right, GetSystemMetrics(SM_CXSCREEN), 1);
  EXPECT_NEAR(frame.top + frame.bottom, GetSystemMetrics(SM_CYSCREEN), 1);

  HWND memo = FindWindowExW(help, nullptr, L"Edit", nullptr);
  ASSERT_NE(memo, nullptr);
  LONG memoStyle = StyleOf(memo);
  EXPECT_TRUE((memoStyle & ES_MULTILINE) && (memoStyle & ES_READONLY) && (memoStyle & WS_VSCROLL));
  EXPECT_FALSE((memoStyle & WS_HSCROLL) || (memoStyle & ES_AUTOHSCROLL));  // lines wrap
  EXPECT_EQ(PlaceOf(memo).right, client.cx);  // the memo fills the window
  EXPECT_EQ(PlaceOf(memo).bottom, client.cy);
  EXPECT_EQ(lexavia_.Focus(), memo);
  // A read-only text on the window colour, not on a label's button face.
  // Until the help window is on the screen, the main window shows there.
  WaitUntil(
      [&] {
        std::map<COLORREF, int> colours = ColoursOnScreen(memo);
        return std::max_element(colours.begin(), colours.end(), [](auto& a, auto& b) {
                 return a.second < b.second;
               })->first == GetSysColor(COLOR_WINDOW);
      },
      "the help text on the window colour");

  std::wstring text = TextOf(memo);
  std::vector<std::wstring> lines;
  for (std::size_t start = 0, end; (end = text.find(L"\r\n", start)) != std::wstring::npos;
       start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  ASSERT_EQ(lines.size(), 64u);
  EXPECT_EQ(lines[0], L"SOBRE O SOFTWARE");
  EXPECT_EQ(lines[19], L"SOBRE A EXECU\u00c7\u00c3O DO SOFTWARE");
  EXPECT_EQ(lines[59], L"CONTATO");
  EXPECT_NE((lines[61] + lines[62] + lines[63]).find(L"" LEXAVIA_CONTACT), std::wstring::npos);

  SendMessageW(memo, WM_CHAR, L'x', 0);  // typing changes nothing
  SendMessageW(memo, WM_KEYDOWN, VK_DELETE, 0);
  EXPECT_EQ(TextOf(memo), text);

  // Narrower, the memo follows and its lines wrap again.
  LRESULT wrappedLines = SendMessageW(memo, EM_GETLINECOUNT, 0, 0);
  SetWindowPos(help, nullptr, 0, 0, (frame.right - frame.left) - 100, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(PlaceOf(memo).right, ClientSize(help).cx);
  EXPECT_GT(SendMessageW(memo, EM_GETLINECOUNT, 0, 0), wrappedLines);
  SetWindowPos(help, nullptr, frame.left + 40, frame.top + 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  for (int line = 0; line < 5; ++line) SendMessageW(memo, WM_VSCROLL, SB_LINEDOWN, 0);
  LRESULT firstLine = SendMessageW(memo, EM_GETFIRSTVISIBLELINE, 0, 0);
  EXPECT_EQ(firstLine, 5);
  RECT left;
  GetWindowRect(help, &left);

  PostMessageW(help, WM_CLOSE, 0, 0);
  WaitUntil([&] { return !IsWindowVisible(help); }, "the help window to close");
  WaitUntil([&] { return IsWindowEnabled(main_.window); }, "the main window to take input");
  EXPECT_TRUE(IsWindow(help));  // only hidden

  // Shown again, it is as the user left it.
  main_.PostClick(main_.Label4);
  EXPECT_EQ(lexavia_.WaitForWindow(L"TAjudaForm"), help);
  RECT again;
  GetWindowRect(help, &again);
  EXPECT_TRUE(EqualRect(&again, &left));
  EXPECT_EQ(SendMessageW(memo, EM_GETFIRSTVISIBLELINE, 0, 0), firstLine);
  PostMessageW(help, WM_CLOSE, 0, 0);
  WaitUntil([&] { return IsWindowEnabled(main_.window); }, "the main window to take input");
}

TEST_F(MainWindowTest, AMissingMainDictionaryShowsFileNotFoundAndTheNextRunReadsIt) {
  fs::remove(app_.MainDictionaryPath());
  fs::path input = app_.Texts() / L"artigo.txt";
  WriteFileBytes(input, "O zorblaxar novo.\n");
  main_.Type(input.wstring());
  main_.PostClick(main_.Button2);
  ExpectErrorBox(lexavia_.AnswerMessageBox(), L"File not found.");
  EXPECT_EQ(TextOf(main_.Status), LoadingStatus);
  EXPECT_EQ(TextOf(main_.Button2), DetectCaption);

  // Once the file is back, the next run reads it.
  fs::copy_file(Prepared("LEXAVIA_RELEASE") / L"dicionarios" / L"dicionario_principal.txt",
                app_.MainDictionaryPath());
  main_.PostClick(main_.Button2);
  ExpectMessageDialog(lexavia_.AnswerMessageBox(), CompletionFor(input.wstring()));
  EXPECT_EQ(TextOf(main_.Status), IdleStatus);
  EXPECT_EQ(ReadFileBytes(input.wstring() + L"_candidatos-neologismos.txt"),
            "Candidato; Nome pr\xF3prio; Senten\xE7"
            "a\r\n\r\n"
            "zorblaxar; N\xE3o; O zorblaxar novo. \r\n");
}
