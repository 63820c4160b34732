#include "ui/qt/WindowLook.h"

#include <QFontDatabase>
#include <QPalette>
#include <QWidget>
#include <QWindow>

QString ApplicationTitle = "Lexavia";

namespace {

constexpr const char* FaceName = "MS Sans Serif";
constexpr const char* FreeFacePath = "/usr/share/wine/fonts/ms_sans_serif.ttf";

}  // namespace

QFont WindowFont() {
  static const QFont font = [] {
    if (!QFontDatabase::families().contains(FaceName))
      QFontDatabase::addApplicationFont(FreeFacePath);
    QFont face(FaceName, 8);
    if (!QFontDatabase::families().contains(FaceName)) {
      face = QFont();
      face.setStyleHint(QFont::SansSerif);
      face.setPointSize(8);
    }
    return face;
  }();
  return font;
}

QColor GreyText() { return QColor(128, 128, 128); }

void ApplyFormLook(QWidget& form) {
  QPalette palette = form.palette();
  palette.setColor(QPalette::Window, palette.color(QPalette::Button));
  form.setPalette(palette);
  form.setAutoFillBackground(true);
  form.setFont(WindowFont());
}

namespace {

// The frame's margins as the window system reports them now. A widget keeps
// its own copy, taken at its last move or resize, which misses a frame that
// the window manager adds later without moving the window.
QMargins FrameMargins(const QWidget& window) {
  const QWindow* handle = window.windowHandle();
  return handle != nullptr ? handle->frameMargins() : QMargins();
}

bool Framed(const QWidget& window) { return !FrameMargins(window).isNull(); }

void MoveFrameCentreTo(QWidget& window, const QPoint& centre) {
  QMargins margins = FrameMargins(window);
  QRect frame = window.geometry().marginsAdded(margins);
  frame.moveCenter(centre);
  window.setGeometry(frame.marginsRemoved(margins));
}

// Centres the window again once its frame has grown around it. The frame
// may come without any move of the window itself, so every event looks.
class CentreWhenFramed : public QObject {
 public:
  CentreWhenFramed(QWidget& window, const QPoint& centre)
      : QObject(&window), window_(window), centre_(centre) {
    window.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject*, QEvent*) override {
    if (Framed(window_)) {
      window_.removeEventFilter(this);
      MoveFrameCentreTo(window_, centre_);
      deleteLater();
    }
    return false;
  }

 private:
  QWidget& window_;
  QPoint centre_;
};

}  // namespace

void CentreByFrameOn(QWidget& window, const QRect& area) {
  MoveFrameCentreTo(window, area.center());
  if (!Framed(window)) new CentreWhenFramed(window, area.center());
}
