#include "ui/qt/WindowLook.h"

#include <QFontDatabase>
#include <QPalette>
#include <QWidget>

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

void MoveFrameCentreTo(QWidget& window, const QPoint& centre) {
  QRect frame = window.frameGeometry();
  frame.moveCenter(centre);
  window.move(frame.topLeft());  // a window's position is its frame's
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
    if (window_.frameGeometry().size() != window_.size()) {
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
  if (window.frameGeometry().size() == window.size()) new CentreWhenFramed(window, area.center());
}
