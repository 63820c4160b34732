#include "ModalWatcher.h"

#include <QAbstractButton>
#include <QApplication>

ModalWatcher::ModalWatcher() {
  connect(&timer_, &QTimer::timeout, this, &ModalWatcher::Look);
  timer_.start(10);
}

void ModalWatcher::Look() {
  QWidget* modal = QApplication::activeModalWidget();
  if (modal == nullptr || !modal->isVisible()) return;
  if (auto* box = qobject_cast<QMessageBox*>(modal)) {
    boxes.push_back(SeenBox{box->windowTitle(), box->text(), box->icon(),
                            static_cast<int>(box->buttons().size()), box->textFormat()});
    box->button(QMessageBox::Ok) != nullptr ? box->button(QMessageBox::Ok)->click() : box->reject();
  } else if (auto* files = qobject_cast<QFileDialog*>(modal)) {
    onFileDialog ? onFileDialog(*files) : files->reject();
  } else {
    onOtherWindow ? onOtherWindow(*modal) : (void)modal->close();
  }
}
