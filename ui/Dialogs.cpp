#include "ui/Dialogs.h"

#include <QMessageBox>

#include "ui/WindowLook.h"

namespace {

void ShowBox(QWidget* parent, QMessageBox::Icon icon, const QString& text) {
  QMessageBox box(icon, ApplicationTitle, text, QMessageBox::Ok, parent);
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

std::string WithFullStop(std::string message) {
  if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') message += '.';
  return message;
}
