// The whole program as it starts and ends: a start that cannot succeed, and
// a request to end that comes while a run waits for the segmenter. The
// request stays noted for the process, so these tests have one of their own.
#include <sys/stat.h>
#include <unistd.h>

#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <memory>

#include "ModalWatcher.h"
#include "platform/FileSystem.h"
#include "support/ChildProcess.h"
#include "support/TempDir.h"
#include "ui/qt/Main.h"
#include "ui/qt/Program.h"
#include "ui/qt/WindowLook.h"

using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

class ProgramTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();

  void aStartInAFolderThatNoLongerExistsShowsWhyAndEnds();
  void aTerminationRequestDuringTheSegmentersWaitClosesTheProgram();

 private:
  std::string previousFolder_;
  std::unique_ptr<ModalWatcher> watcher_;
};

void ProgramTest::init() {
  previousFolder_ = platform::CurrentDirectory();
  watcher_ = std::make_unique<ModalWatcher>();
}

void ProgramTest::cleanup() {
  watcher_.reset();
  QVERIFY(chdir(previousFolder_.c_str()) == 0);
}

void ProgramTest::aStartInAFolderThatNoLongerExistsShowsWhyAndEnds() {
  {
    TempDir gone;
    QVERIFY(chdir(gone.Path().c_str()) == 0);
  }
  QCOMPARE(RunProgram(), 1);
  QCOMPARE(watcher_->boxes.size(), size_t{1});
  QCOMPARE(watcher_->boxes[0].text, QString("Invalid filename."));
  QCOMPARE(watcher_->boxes[0].icon, QMessageBox::Critical);
  QCOMPARE(watcher_->boxes[0].title, ApplicationTitle);
}

void ProgramTest::aTerminationRequestDuringTheSegmentersWaitClosesTheProgram() {
  TempDir app;
  std::filesystem::create_directories(app / "dicionarios");
  std::filesystem::create_directories(app / "segmentador");
  WriteBytes(app / "dicionarios/dicionario_principal.txt", "um\r\n");
  WriteBytes(app / "dicionarios/dicionario_usuario.txt", "vlog\r\n");
  // Writes part of its text, asks this program to end, and never signals.
  std::string segmenter = app / "segmentador/frasor.exe";
  WriteBytes(segmenter, "#!/bin/sh\nprintf 'Um' > \"$1.seg\"; kill -TERM $PPID; exec sleep 600\n");
  chmod(segmenter.c_str(), 0755);
  std::string input = app / "artigo.txt";
  WriteBytes(input, "Um blog.\n");
  QVERIFY(chdir(app.Path().c_str()) == 0);

  bool clicked = false;
  QTimer::singleShot(0, [&] {
    MainForm->Edit1->setText(QString::fromStdString(input));
    MainForm->CheckBox2->setChecked(true);
    QTest::mouseClick(MainForm->Button2, Qt::LeftButton);
    clicked = true;
  });
  QCOMPARE(RunProgram(), 0);
  QVERIFY(clicked);
  QVERIFY(watcher_->boxes.empty());
  QCOMPARE(ReadBytes(app / "dicionarios/dicionario_usuario.txt"), std::string("vlog\r\n"));
  QVERIFY(!platform::FileExists(input + ".seg"));
  QVERIFY(!platform::FileExists(input + "._frasor_ready_.tmp"));
  QVERIFY(testing_support::ChildrenOfThisProcess().empty());
}

QTEST_MAIN(ProgramTest)
#include "ProgramTest.moc"
