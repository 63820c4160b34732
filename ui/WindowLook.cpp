#include "ui/WindowLook.h"

#include <QFileInfo>
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

void MoveToCentreOf(QWidget& window, const QRect& area) {
  window.move(area.center() - window.rect().center());
}

QString ApplicationTitleFor(const QString& executablePath) {
  QString name = QFileInfo(executablePath).fileName();
  name = name.left(name.indexOf('.') < 0 ? name.size() : name.indexOf('.'));
  if (name.isEmpty()) return name;
  return name.left(1) + name.mid(1).toLower();
}
