#include "ui/qt/Dialogs.h"

#include <QMessageBox>

#include "ui/common/FailureText.h"
#include "ui/qt/SystemText.h"
#include "ui/qt/WindowLook.h"

namespace {

void ShowBox(QWidget* parent, QMessageBox::Icon icon, const QString& text) {
  QMessageBox box(icon, ApplicationTitle, text, QMessageBox::Ok, parent);
  // A file name may hold "<b>" or "&lt;": the text is shown as written.
  box.setTextFormat(Qt::PlainText);
  box.setFont(WindowFont());
  box.exec();
}

}  // namespace

void ShowMessageDialog(QWidget* parent, const QString& text) {
  ShowBox(parent, QMessageBox::NoIcon, text);
}

void ShowErrorBox(QWidget* parent, const QString& text) {
  ShowBox(parent, QMessageBox::Critical, text);
}

void ShowFailure(QWidget* parent, const std::exception& failure) {
  ShowErrorBox(parent, FromSystemText(FailureText(failure)));
}
