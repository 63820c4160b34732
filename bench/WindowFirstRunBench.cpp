// The first run as a user meets it, in the main window: from the click on
// the detect button to the completion message, with the shipped dictionaries
// and segmenter of the application folder (LEXAVIA_APP_DIR, by default the
// one the build lays out), on the text named on the command line; then a
// second run. The window paints its status line as it does on the screen
// (offscreen unless QT_QPA_PLATFORM says otherwise). Target on the 2-core
// reference machine: the first run at most 1.5 s on a 170 KB news text.
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <exception>

#include "support/ScratchAppFolder.h"
#include "ui/qt/Main.h"

namespace {

using Clock = std::chrono::steady_clock;

// Notes when a message box is shown, and answers it.
class MessageWatcher : public QObject {
 public:
  Clock::time_point shown;
  QString text;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* box = qobject_cast<QMessageBox*>(watched);
    if (box != nullptr && event->type() == QEvent::Show) {
      shown = Clock::now();
      text = box->text();
      QTimer::singleShot(0, box, &QMessageBox::accept);
    }
    return false;
  }
};

double RunSeconds(TMainForm& form, MessageWatcher& watcher) {
  Clock::time_point clicked = Clock::now();
  form.Button2->click();  // returns once the message is answered
  return std::chrono::duration<double>(watcher.shown - clicked).count();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: window_first_run_bench TEXT\n");
    return 2;
  }
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  try {
    bench_support::ScratchAppFolder scratch(bench_support::BenchAppFolder(LEXAVIA_DEFAULT_APP_DIR),
                                            argv[1], "");
    // The window takes the folder it starts in as the application folder.
    QDir::setCurrent(QString::fromLocal8Bit(scratch.Folder()));
    MessageWatcher watcher;
    application.installEventFilter(&watcher);
    TMainForm form;
    form.show();
    form.Edit1->setText(QString::fromLocal8Bit(scratch.Text()));
    form.CheckBox1->setChecked(true);
    form.CheckBox3->setChecked(true);
    QTimer::singleShot(0, &form, [&] {
      double first = RunSeconds(form, watcher);
      std::printf("input: %.3f MB\nfirst run in the window: %.3f s\n", scratch.TextMegabytes(),
                  first);
      std::printf("second run in the window: %.3f s\n", RunSeconds(form, watcher));
      std::printf("message: %s\n", watcher.text.toLocal8Bit().constData());
      form.close();
    });
    return QApplication::exec();
  } catch (const std::exception& failure) {
    std::fprintf(stderr, "%s\n", failure.what());
    return 1;
  }
}
