// The main window and the help window, driven as a user would, with the
// real core and segmenter behind them.
#include <unistd.h>

#include <QCheckBox>
#include <QClipboard>
#include <QElapsedTimer>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <filesystem>
#include <memory>

#include "ModalWatcher.h"
#include "detection/StatusTexts.h"
#include "platform/FileSystem.h"
#include "support/TempDir.h"
#include "ui/common/HelpText.h"
#include "ui/qt/Ajuda.h"
#include "ui/qt/Main.h"
#include "ui/qt/SystemText.h"
#include "ui/qt/WindowLook.h"

using testing_support::RandomBytes;
using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

namespace {

// Records the status line's text each time it is painted.
class PaintRecorder : public QObject {
 public:
  explicit PaintRecorder(QLabel* label) : label_(label) { label->installEventFilter(this); }
  QStringList painted;
  bool cut = false;  // a text was painted in a label narrower than it

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == label_ && event->type() == QEvent::Paint) {
      painted << label_->text();
      cut = cut || label_->width() < label_->fontMetrics().horizontalAdvance(label_->text());
    }
    return false;
  }

 private:
  QLabel* label_;
};

QString System(std::string_view text) { return FromSystemText(text); }

}  // namespace

class MainFormTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();

  void startsWithTheLayoutAndStateOfTheDesign();
  void checksTheFileNameFirstAndThenEachPair();
  void checkBoxPairsAreNeverBothChecked();
  void openButtonTakesAChosenFileAndKeepsTheNameOnCancel();
  void aCompleteRunShowsTheCompletionMessage();
  void aFailedRunShowsTheErrorBoxAndRestoresTheButton();
  void badInputsEndInOneBoxAndTheNextRunWorks_data();
  void badInputsEndInOneBoxAndTheNextRunWorks();
  void aPastedNulOrLoneSurrogateNamesNoFileAndTouchesNothing();
  void dialogsShowMarkupInANameAsWritten();
  void statusTextsArePaintedInOrderBeforeEachStage();
  void theLoadsLastCountIsPaintedBeforeTheNextStage();
  void helpWindowIsModalAndKeepsItsState();

 private:
  void RunWithButton();

  std::unique_ptr<TempDir> app_;
  std::unique_ptr<TempDir> texts_;
  std::string previousFolder_;
  std::unique_ptr<TMainForm> form_;
  std::unique_ptr<TAjudaForm> ajuda_;
  std::unique_ptr<ModalWatcher> watcher_;
};

void MainFormTest::init() {
  app_ = std::make_unique<TempDir>();
  texts_ = std::make_unique<TempDir>();
  std::filesystem::create_directories(*app_ / "dicionarios");
  std::filesystem::create_directories(*app_ / "segmentador");
  std::filesystem::copy_file(LEXAVIA_FRASOR, *app_ / "segmentador/frasor.exe");
  WriteBytes(*app_ / "dicionarios/dicionario_principal.txt", "o\r\num\r\nnovo\r\n");
  WriteBytes(*app_ / "dicionarios/dicionario_usuario.txt", "");
  previousFolder_ = platform::CurrentDirectory();
  QVERIFY(chdir(app_->Path().c_str()) == 0);
  form_ = std::make_unique<TMainForm>();
  MainForm = form_.get();
  ajuda_ = std::make_unique<TAjudaForm>();
  AjudaForm = ajuda_.get();
  watcher_ = std::make_unique<ModalWatcher>();
  form_->show();
  QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
}

void MainFormTest::cleanup() {
  watcher_.reset();
  form_->close();
  ajuda_.reset();
  form_.reset();
  QVERIFY(chdir(previousFolder_.c_str()) == 0);
  texts_.reset();
  app_.reset();
}

void MainFormTest::RunWithButton() { QTest::mouseClick(form_->Button2, Qt::LeftButton); }

void MainFormTest::startsWithTheLayoutAndStateOfTheDesign() {
  TMainForm& form = *form_;
  QCOMPARE(form.windowTitle(), QString("Lexavia"));
  QCOMPARE(form.size(), QSize(599, 224));
  QCOMPARE(form.minimumSize(), form.maximumSize());
  QVERIFY(!(form.windowFlags() & Qt::WindowMaximizeButtonHint));
  QVERIFY(form.windowFlags() & Qt::WindowMinimizeButtonHint);
  // Centred on the desktop, within the platform's frame margins.
  QPoint offCentre =
      form.geometry().center() - QGuiApplication::primaryScreen()->virtualGeometry().center();
  QVERIFY(offCentre.manhattanLength() <= 8);

  struct Expected {
    QWidget* control;
    QRect geometry;
  };
  for (const Expected& expected :
       {Expected{form.Edit1, {16, 32, 489, 21}}, Expected{form.Button1, {512, 32, 75, 25}},
        Expected{form.CheckBox1, {16, 88, 65, 17}}, Expected{form.CheckBox2, {96, 88, 65, 17}},
        Expected{form.CheckBox3, {16, 136, 73, 17}}, Expected{form.CheckBox4, {96, 136, 65, 17}},
        Expected{form.Button2, {211, 168, 177, 25}}}) {
    QCOMPARE(expected.control->geometry(), expected.geometry);
  }
  for (auto [label, position] : {std::pair{form.Label1, QPoint(16, 16)},
                                 {form.Label2, QPoint(16, 72)},
                                 {form.Label3, QPoint(16, 120)},
                                 {form.Status, QPoint(16, 208)},
                                 {form.Label4, QPoint(560, 208)}}) {
    QCOMPARE(label->pos(), position);
    QCOMPARE(label->focusPolicy(), Qt::NoFocus);
  }

  // With the face of the design's metrics, labels measure the design's widths.
  if (WindowFont().family() == "MS Sans Serif") {
    QCOMPARE(form.Label1->width(), 358);
    QCOMPARE(form.Status->width(), 289);
    QCOMPARE(form.Label4->width(), 27);
  }
  QCOMPARE(form.Label1->text(),
           QString("Especifique o arquivo em que quer buscar termos candidatos a neologismos"));
  QCOMPARE(form.Button1->text(), QString("Abrir"));
  QCOMPARE(form.Button2->text(), QString("Detecter termos candidatos"));
  QCOMPARE(form.Label4->text(), QString("Ajuda"));
  QCOMPARE(form.Status->text(), System(status_text::Idle));
  QCOMPARE(form.CheckBox1->text(), QString::fromUtf8("Não"));
  QVERIFY(form.CheckBox1->isChecked() && !form.CheckBox2->isChecked());
  QVERIFY(form.CheckBox3->isChecked() && !form.CheckBox4->isChecked());
  QVERIFY(form.Edit1->text().isEmpty());
  QCOMPARE(form.Status->palette().color(QPalette::WindowText), QColor(128, 128, 128));
  QCOMPARE(form.Label4->palette().color(QPalette::WindowText), QColor(128, 128, 128));
  QVERIFY(!form.Button1->isDefault() && !form.Button1->autoDefault());
  QVERIFY(!form.Button2->isDefault() && !form.Button2->autoDefault());

  // Tab order, starting from the edit box, which holds the focus.
  QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(form.Edit1));
  QList<QWidget*> order = {form.Edit1,     form.Button1,   form.CheckBox1, form.CheckBox2,
                           form.CheckBox3, form.CheckBox4, form.Button2};
  for (int i = 0; i + 1 < order.size(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), order[i + 1]);
  }
}

void MainFormTest::checksTheFileNameFirstAndThenEachPair() {
  form_->CheckBox1->setChecked(false);
  form_->CheckBox3->setChecked(false);
  RunWithButton();
  QTRY_COMPARE(watcher_->boxes.size(), size_t{1});
  QCOMPARE(
      watcher_->boxes[0].text,
      QString("Erro: especifique o arquivo em que quer buscar termos candidatos a neologismos"));
  QCOMPARE(watcher_->boxes[0].icon, QMessageBox::NoIcon);
  QCOMPARE(watcher_->boxes[0].title, ApplicationTitle);
  QCOMPARE(watcher_->boxes[0].buttons, 1);

  form_->Edit1->setText("   ");  // blanks pass the first check
  RunWithButton();
  QTRY_COMPARE(watcher_->boxes.size(), size_t{2});
  QString options = QString::fromUtf8(
      "Erro: é necessário que se marque pelo menos um item para cada uma das opções disponíveis");
  QCOMPARE(watcher_->boxes[1].text, options);

  form_->CheckBox2->setChecked(true);  // the first pair answered, the second not
  RunWithButton();
  QTRY_COMPARE(watcher_->boxes.size(), size_t{3});
  QCOMPARE(watcher_->boxes[2].text, options);
  QCOMPARE(form_->Status->text(), System(status_text::Idle));  // no run started
}

void MainFormTest::checkBoxPairsAreNeverBothChecked() {
  QTest::mouseClick(form_->CheckBox2, Qt::LeftButton, {}, QPoint(6, 8));
  QVERIFY(form_->CheckBox2->isChecked());
  QVERIFY(!form_->CheckBox1->isChecked());
  QTest::mouseClick(form_->CheckBox2, Qt::LeftButton, {}, QPoint(6, 8));
  QVERIFY(!form_->CheckBox2->isChecked());
  QVERIFY(!form_->CheckBox1->isChecked());  // the pair can be empty

  form_->CheckBox4->setFocus();
  QTest::keyClick(form_->CheckBox4, Qt::Key_Space);
  QVERIFY(form_->CheckBox4->isChecked());
  QVERIFY(!form_->CheckBox3->isChecked());
  form_->CheckBox3->setFocus();
  QTest::keyClick(form_->CheckBox3, Qt::Key_Space);
  QVERIFY(form_->CheckBox3->isChecked());
  QVERIFY(!form_->CheckBox4->isChecked());
}

void MainFormTest::openButtonTakesAChosenFileAndKeepsTheNameOnCancel() {
  std::string chosen = *texts_ / "escolhido.txt";
  WriteBytes(chosen, "texto");
  form_->Edit1->setText("digitado.txt");
  QTest::mouseClick(form_->Button1, Qt::LeftButton);  // cancelled by the watcher
  QCOMPARE(form_->Edit1->text(), QString("digitado.txt"));

  bool native = true;
  watcher_->onFileDialog = [&](QFileDialog& dialog) {
    native = !dialog.testOption(QFileDialog::DontUseNativeDialog);
    // Typed into the dialog's name box, as a user would.
    dialog.findChild<QLineEdit*>("fileNameEdit")->setText(QString::fromStdString(chosen));
    static_cast<QDialog&>(dialog).accept();  // QFileDialog takes the chosen name in accept()
  };
  QTest::mouseClick(form_->Button1, Qt::LeftButton);
  QCOMPARE(form_->Edit1->text(), QString::fromStdString(chosen));
  QVERIFY(!native);
  QCOMPARE(form_->OpenDialog1->fileMode(), QFileDialog::ExistingFile);
}

void MainFormTest::aCompleteRunShowsTheCompletionMessage() {
  std::string input = *texts_ / "an\xC3\xA1lise de dados.txt";  // UTF-8 on the file system
  WriteBytes(input, "O blog novo.\n");
  form_->Edit1->setText(QString::fromUtf8(input.c_str()));
  QTest::mouseClick(form_->CheckBox2, Qt::LeftButton, {}, QPoint(6, 8));
  RunWithButton();
  QTRY_COMPARE(watcher_->boxes.size(), size_t{1});
  QString name = QString::fromUtf8(input.c_str());
  QCOMPARE(watcher_->boxes[0].text,
           "Candidatos a neologismos detectados e armazenados nos arquivos " + name +
               "_candidatos-neologismos.txt e " + name + "_candidatos-neologismos.html");
  QCOMPARE(watcher_->boxes[0].icon, QMessageBox::NoIcon);
  QCOMPARE(watcher_->boxes[0].title, ApplicationTitle);
  QVERIFY(platform::FileExists(input + "_candidatos-neologismos.html"));
  QCOMPARE(ReadBytes(*app_ / "dicionarios/dicionario_usuario.txt"), std::string("blog\r\n"));
  QCOMPARE(form_->Button2->text(), QString("Detecter termos candidatos"));
  QCOMPARE(form_->Status->text(), System(status_text::Idle));
}

void MainFormTest::aFailedRunShowsTheErrorBoxAndRestoresTheButton() {
  std::filesystem::remove(*app_ / "dicionarios/dicionario_principal.txt");
  std::string input = *texts_ / "artigo.txt";
  WriteBytes(input, "O blog novo.\n");
  form_->Edit1->setText(QString::fromStdString(input));
  RunWithButton();
  QTRY_COMPARE(watcher_->boxes.size(), size_t{1});
  QCOMPARE(watcher_->boxes[0].text, QString("File not found."));
  QCOMPARE(watcher_->boxes[0].icon, QMessageBox::Critical);
  QCOMPARE(watcher_->boxes[0].title, ApplicationTitle);
  QCOMPARE(form_->Button2->text(), QString("Detecter termos candidatos"));
  QCOMPARE(form_->Status->text(), System(status_text::LoadingDictionaries));

  // Once the cause is gone, the next run completes.
  WriteBytes(*app_ / "dicionarios/dicionario_principal.txt", "o\r\n");
  RunWithButton();
  QTRY_COMPARE(watcher_->boxes.size(), size_t{2});
  QVERIFY(watcher_->boxes[1].text.startsWith("Candidatos a neologismos detectados"));
}

enum class InputKind { File, Folder, Missing };
Q_DECLARE_METATYPE(InputKind)

void MainFormTest::badInputsEndInOneBoxAndTheNextRunWorks_data() {
  QTest::addColumn<QByteArray>("name");  // in the texts folder, UTF-8 as on the file system
  QTest::addColumn<InputKind>("kind");
  QTest::addColumn<QByteArray>("content");
  QTest::addColumn<QString>("error");  // empty for a run that completes

  QTest::newRow("empty") << QByteArray("vazio.txt") << InputKind::File << QByteArray() << QString();
  QTest::newRow("blanks") << QByteArray("brancos.txt") << InputKind::File
                          << QByteArray(" \r\n\t\n\n ") << QString();
  QTest::newRow("binary") << QByteArray("imagem.png") << InputKind::File
                          << QByteArray("\x89PNG\r\n\x1A\n") +
                                 QByteArray::fromStdString(RandomBytes(20000, 12345))
                          << QString();
  QTest::newRow("invalid UTF-8") << QByteArray("quebrado.txt") << InputKind::File
                                 << QByteArray("Um caf\xC3\xA9 e um caf\xC3 \xFF\xFEquebrado.\n")
                                 << QString();
  QTest::newRow("dash, accents, blanks")
      << QByteArray("-op\xC3\xA7\xC3\xA3o e nome.txt") << InputKind::File
      << QByteArray("Um blog.\n") << QString();
  QTest::newRow("semicolon") << QByteArray("a;b.txt") << InputKind::File << QByteArray("Um blog.\n")
                             << QString();
  QTest::newRow("double quote") << QByteArray("cita \"x\".txt") << InputKind::File
                                << QByteArray("Um blog.\n") << QString();
  QTest::newRow("folder") << QByteArray("pasta.txt") << InputKind::Folder << QByteArray()
                          << QString("File access denied.");
  QTest::newRow("missing") << QByteArray("ausente.txt") << InputKind::Missing << QByteArray()
                           << QString("File not found.");
}

void MainFormTest::badInputsEndInOneBoxAndTheNextRunWorks() {
  QFETCH(QByteArray, name);
  QFETCH(InputKind, kind);
  QFETCH(QByteArray, content);
  QFETCH(QString, error);
  std::string input = *texts_ / name.toStdString();
  if (kind == InputKind::File) WriteBytes(input, content.toStdString());
  if (kind == InputKind::Folder) std::filesystem::create_directory(input);
  std::string userPath = *app_ / "dicionarios/dicionario_usuario.txt";
  WriteBytes(userPath, "tuitar");  // no line break at its end
  QTest::mouseClick(form_->CheckBox2, Qt::LeftButton, {}, QPoint(6, 8));
  form_->Edit1->setText(QString::fromUtf8(input.c_str()));
  RunWithButton();
  QTRY_COMPARE(watcher_->boxes.size(), size_t{1});
  QTest::qWait(50);  // time for a second box, which must not come
  QCOMPARE(watcher_->boxes.size(), size_t{1});
  QCOMPARE(form_->Button2->text(), QString("Detecter termos candidatos"));
  bool reported = platform::FileExists(input + "_candidatos-neologismos.txt");
  std::string stored = ReadBytes(userPath);
  if (error.isEmpty()) {
    QVERIFY(watcher_->boxes[0].text.startsWith("Candidatos a neologismos detectados"));
    QCOMPARE(watcher_->boxes[0].icon, QMessageBox::NoIcon);
    QVERIFY(reported);
    QVERIFY(platform::FileExists(input + "_candidatos-neologismos.html"));
    // Nothing stored, or whole lines after the line break the last word lacked.
    QVERIFY(stored == "tuitar" || (stored.starts_with("tuitar\r\n") && stored.ends_with("\r\n")));
  } else {
    QCOMPARE(watcher_->boxes[0].text, error);
    QCOMPARE(watcher_->boxes[0].icon, QMessageBox::Critical);
    QVERIFY(!reported);
    QCOMPARE(stored, std::string("tuitar"));
  }
  QVERIFY(!platform::FileExists(input + ".seg"));

  std::string good = *texts_ / "bom.txt";
  WriteBytes(good, "Um vlog novo.\n");
  form_->Edit1->setText(QString::fromStdString(good));
  RunWithButton();
  QTRY_COMPARE(watcher_->boxes.size(), size_t{2});
  QVERIFY(watcher_->boxes[1].text.startsWith("Candidatos a neologismos detectados"));
  QVERIFY(ReadBytes(userPath).ends_with("\r\nvlog\r\n"));
}

void MainFormTest::aPastedNulOrLoneSurrogateNamesNoFileAndTouchesNothing() {
  std::string text = *texts_ / "texto.txt";
  WriteBytes(text, "Um blog.\n");
  // Cut at the NUL, the name is the text's, and so is its readiness file's.
  QApplication::clipboard()->setText(QString::fromStdString(text) + QChar(0) + ".bak");
  form_->Edit1->setFocus();
  form_->Edit1->paste();
  QVERIFY(form_->Edit1->text().contains(QChar(0)));
  QTest::mouseClick(form_->CheckBox2, Qt::LeftButton, {}, QPoint(6, 8));
  RunWithButton();
  QTRY_COMPARE(watcher_->boxes.size(), size_t{1});
  QCOMPARE(watcher_->boxes[0].text, QString("Invalid filename."));
  QCOMPARE(watcher_->boxes[0].icon, QMessageBox::Critical);
  QCOMPARE(ReadBytes(text), std::string("Um blog.\n"));
  QCOMPARE(std::distance(std::filesystem::directory_iterator(texts_->Path()),
                         std::filesystem::directory_iterator()),
           1);
  QCOMPARE(ReadBytes(*app_ / "dicionarios/dicionario_usuario.txt"), std::string());
  QCOMPARE(form_->Button2->text(), QString("Detecter termos candidatos"));

  // A pasted lone surrogate would reach the file system as another character.
  form_->Edit1->setText(QString::fromStdString(text) + QChar(0xD800));
  RunWithButton();
  QTRY_COMPARE(watcher_->boxes.size(), size_t{2});
  QCOMPARE(watcher_->boxes[1].text, QString("Invalid filename."));
  QCOMPARE(std::distance(std::filesystem::directory_iterator(texts_->Path()),
                         std::filesystem::directory_iterator()),
           1);
}

void MainFormTest::dialogsShowMarkupInANameAsWritten() {
  std::string input = *texts_ / "<b>negrito<b> &lt;i&gt;.txt";
  WriteBytes(input, "O blog novo.\n");
  form_->Edit1->setText(QString::fromStdString(input));
  RunWithButton();
  form_->Edit1->clear();
  RunWithButton();  // the check message
  QTRY_COMPARE(watcher_->boxes.size(), size_t{2});
  QString name = QString::fromStdString(input);
  QCOMPARE(watcher_->boxes[0].text,
           "Candidatos a neologismos detectados e armazenados nos arquivos " + name +
               "_candidatos-neologismos.txt e " + name + "_candidatos-neologismos.html");
  for (const SeenBox& box : watcher_->boxes) QCOMPARE(box.format, Qt::PlainText);
  // The error box too.
  form_->Edit1->setText(QString::fromStdString(*texts_ / "<i>ausente.txt"));
  RunWithButton();
  QTRY_COMPARE(watcher_->boxes.size(), size_t{3});
  QCOMPARE(watcher_->boxes[2].icon, QMessageBox::Critical);
  QCOMPARE(watcher_->boxes[2].format, Qt::PlainText);
}

void MainFormTest::statusTextsArePaintedInOrderBeforeEachStage() {
  // A dictionary long enough for its load to last many frames.
  std::string entries;
  for (int i = 0; i < 300000; ++i) entries += "palavra" + std::to_string(i) + "\r\n";
  WriteBytes(*app_ / "dicionarios/dicionario_principal.txt", entries);
  std::string input = *texts_ / "artigo.txt";
  WriteBytes(input, "O blog novo.\n");
  form_->Edit1->setText(QString::fromStdString(input));
  PaintRecorder recorder(form_->Status);
  QElapsedTimer run;
  run.start();
  RunWithButton();
  QTRY_COMPARE(watcher_->boxes.size(), size_t{1});
  QStringList stages;
  for (std::string_view stage : {status_text::LoadingDictionaries, status_text::Segmenting,
                                 status_text::Scanning, status_text::WritingReports,
                                 status_text::Storing, status_text::Finishing, status_text::Idle}) {
    stages << System(stage);
  }
  // Every stage's text was painted, in order, while the run held the thread.
  qsizetype from = 0;
  for (const QString& stage : stages) {
    qsizetype at = recorder.painted.indexOf(stage, from);
    QVERIFY2(at >= 0, qPrintable("not painted in order: " + stage));
    from = at + 1;
  }
  // The running count was painted as it went, about once a frame, not once an entry.
  QStringList counts = recorder.painted.filter("palavras carregadas");
  QVERIFY(!counts.isEmpty());
  QVERIFY(counts.size() <= run.elapsed() / 16 + 2);
  QVERIFY(!recorder.cut);
}

void MainFormTest::theLoadsLastCountIsPaintedBeforeTheNextStage() {
  // A load of a few entries, quicker than one frame: its counts come closer
  // together than the status line is painted, yet the last is shown.
  WriteBytes(*app_ / "dicionarios/dicionario_usuario.txt", "blog\r\nvlog\r\n");
  std::string input = *texts_ / "artigo.txt";
  WriteBytes(input, "O blog novo.\n");
  form_->Edit1->setText(QString::fromStdString(input));
  PaintRecorder recorder(form_->Status);
  RunWithButton();
  QTRY_COMPARE(watcher_->boxes.size(), size_t{1});
  QString lastCount =
      System("Status do software: carregando dicion\xE1rios... 5 palavras carregadas");
  qsizetype shown = recorder.painted.indexOf(lastCount);
  QVERIFY2(shown >= 0, qPrintable(recorder.painted.join(" | ")));
  QCOMPARE(recorder.painted.indexOf(System(status_text::Segmenting)), shown + 1);
}

void MainFormTest::helpWindowIsModalAndKeepsItsState() {
  QCOMPARE(ajuda_->windowTitle(), QString("Ajuda"));
  QVERIFY(ajuda_->Memo1->isReadOnly());
  QCOMPARE(ajuda_->Memo1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  QCOMPARE(ajuda_->Memo1->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  QCOMPARE(ajuda_->Memo1->wordWrapMode(), QTextOption::WordWrap);
  QCOMPARE(ajuda_->size(), QSize(376, 193));
  QCOMPARE(ajuda_->Memo1->toPlainText(), System(AjudaText()));

  int scrolled = -1;
  QSize resized;
  bool modal = false;
  watcher_->onOtherWindow = [&](QWidget& window) {
    modal = &window == ajuda_.get() && ajuda_->isModal();
    if (scrolled < 0) {
      ajuda_->resize(300, 150);
      ajuda_->Memo1->verticalScrollBar()->setValue(5);
      scrolled = ajuda_->Memo1->verticalScrollBar()->value();
      resized = ajuda_->size();
    }
    QTest::keyClicks(ajuda_->Memo1, "apagar");  // typing changes nothing
    window.close();
  };
  QTest::mouseClick(form_->Label4, Qt::LeftButton);
  QVERIFY(modal);
  QVERIFY(!ajuda_->isVisible());
  QVERIFY(ajuda_->Memo1->toPlainText().startsWith("SOBRE O SOFTWARE"));

  modal = false;
  QTest::mouseClick(form_->Label4, Qt::LeftButton);
  QVERIFY(modal);
  QCOMPARE(ajuda_->Memo1->verticalScrollBar()->value(), scrolled);
  QCOMPARE(ajuda_->size(), resized);
}

QTEST_MAIN(MainFormTest)
#include "MainFormTest.moc"
