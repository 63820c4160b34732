// The main window: the user names the text, answers the two questions,
// starts the detection run and follows it on the status line.
#pragma once

#include <QCheckBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <string_view>

#include "ui/common/StatusThrottle.h"

class TMainForm : public QWidget {
  Q_OBJECT

 public:
  // Creates the controls and runs FormCreate.
  TMainForm();

  QLabel* Label1;
  QLineEdit* Edit1;
  QPushButton* Button1;
  QFileDialog* OpenDialog1;
  QLabel* Label2;
  QLabel* Label3;
  QPushButton* Button2;
  QCheckBox* CheckBox1;
  QCheckBox* CheckBox2;
  QCheckBox* CheckBox3;
  QCheckBox* CheckBox4;
  QLabel* Status;
  QLabel* Label4;

  void Button1Click();
  void Button2Click();
  void FormCreate();
  void FormClose();
  void CheckBox1Click();
  void CheckBox2Click();
  void CheckBox3Click();
  void CheckBox4Click();
  void Label4Click();

  // The status sink: replaces the status line's text and paints it before
  // returning, also while a run holds the window's thread, at the pace of
  // StatusThrottle.
  void ShowStatus(std::string_view text);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void PaintStatus(std::string_view text);

  bool shownBefore_ = false;
  StatusThrottle statusThrottle_;
};

extern TMainForm* MainForm;
