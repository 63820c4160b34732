#include "ui/Dialogs.h"

#include <QMessageBox>
#include <new>

#include "platform/FileError.h"
#include "ui/SystemText.h"
#include "ui/WindowLook.h"

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
  std::string message = dynamic_cast<const std::bad_alloc*>(&failure) != nullptr
                            ? platform::OutOfMemoryMessage
                            : failure.what();
  ShowErrorBox(parent, FromSystemText(WithFullStop(message)));
}

std::string WithFullStop(std::string message) {
  if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') message += '.';
  return message;
}
