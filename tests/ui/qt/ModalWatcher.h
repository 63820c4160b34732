// Answers every modal dialog a window test opens, so that no test can hang:
// message boxes are recorded and closed with "OK"; file dialogs are handled
// by the test's choice, or cancelled.
#pragma once

#include <QFileDialog>
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <vector>

struct SeenBox {
  QString title;
  QString text;
  QMessageBox::Icon icon;
  int buttons;
  Qt::TextFormat format;
};

class ModalWatcher : public QObject {
  Q_OBJECT

 public:
  ModalWatcher();

  std::vector<SeenBox> boxes;
  std::function<void(QFileDialog&)> onFileDialog;  // cancels when empty
  std::function<void(QWidget&)> onOtherWindow;     // closes when empty

 private:
  void Look();
  QTimer timer_;
};
