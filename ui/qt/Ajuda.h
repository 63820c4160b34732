// The help window: a fixed Portuguese text about the program, shown modally
// from the main window and only hidden when closed, so a later showing finds
// it as the user left it.
#pragma once

#include <QDialog>
#include <QPlainTextEdit>

class TAjudaForm : public QDialog {
  Q_OBJECT

 public:
  explicit TAjudaForm(QWidget* parent = nullptr);

  QPlainTextEdit* Memo1;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  bool shownBefore_ = false;
};

extern TAjudaForm* AjudaForm;
