// Where the windows stand on a desktop whose window manager frames them:
// centred by their outer frame, title bar included, not by their client
// area. Run under tests/ui/with_window_manager.sh.
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWindow>
#include <filesystem>
#include <memory>

#include "support/TempDir.h"
#include "ui/qt/Ajuda.h"
#include "ui/qt/Main.h"

namespace {

// A window manager frames a window some time after it is shown: wait for
// that, however busy the machine.
constexpr int FrameTimeoutMilliseconds = 120000;

// The frame as the window system reports it: the widget's own copy of its
// margins may lag behind a frame added without a move.
QRect OuterFrame(const QWidget& window) { return window.windowHandle()->frameGeometry(); }

bool Framed(const QWidget& window) { return OuterFrame(window).size() != window.size(); }

// The frame's centre is the area's, to the pixel that halving rounds.
bool CentredByFrame(const QWidget& window, const QRect& area) {
  QPoint offCentre = OuterFrame(window).center() - area.center();
  return std::abs(offCentre.x()) <= 1 && std::abs(offCentre.y()) <= 1;
}

}  // namespace

class WindowFrameTest : public QObject {
  Q_OBJECT

 private slots:
  void bothWindowsAreCentredByTheirOuterFrame();
};

void WindowFrameTest::bothWindowsAreCentredByTheirOuterFrame() {
  testing_support::TempDir app;
  std::filesystem::current_path(app.Path());
  TMainForm mainForm;
  TAjudaForm ajudaForm;
  QRect desktop = QGuiApplication::primaryScreen()->virtualGeometry();
  QRect screen = QGuiApplication::primaryScreen()->geometry();

  mainForm.show();
  QTRY_VERIFY_WITH_TIMEOUT(Framed(mainForm), FrameTimeoutMilliseconds);
  QTRY_VERIFY_WITH_TIMEOUT(CentredByFrame(mainForm, desktop), FrameTimeoutMilliseconds);
  QCOMPARE(mainForm.size(), QSize(599, 224));  // the client area keeps its size

  ajudaForm.show();
  QTRY_VERIFY_WITH_TIMEOUT(Framed(ajudaForm), FrameTimeoutMilliseconds);
  QTRY_VERIFY_WITH_TIMEOUT(CentredByFrame(ajudaForm, screen), FrameTimeoutMilliseconds);

  // A later showing keeps the place the user left it in.
  QRect moved = ajudaForm.geometry().translated(40, 30);
  ajudaForm.setGeometry(moved);
  QTRY_COMPARE_WITH_TIMEOUT(ajudaForm.geometry(), moved, FrameTimeoutMilliseconds);
  ajudaForm.hide();
  ajudaForm.show();
  QTRY_VERIFY_WITH_TIMEOUT(Framed(ajudaForm), FrameTimeoutMilliseconds);
  QCOMPARE(ajudaForm.geometry(), moved);
  mainForm.close();
}

QTEST_MAIN(WindowFrameTest)
#include "WindowFrameTest.moc"
