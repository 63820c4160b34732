#include "ui/qt/Main.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <limits>

#include "detection/DetectionRun.h"
#include "detection/StatusLine.h"
#include "detection/StatusTexts.h"
#include "ui/common/FormChecks.h"
#include "ui/common/FormLayout.h"
#include "ui/common/MainFormTexts.h"
#include "ui/common/WindowRun.h"
#include "ui/qt/Ajuda.h"
#include "ui/qt/Dialogs.h"
#include "ui/qt/SystemText.h"
#include "ui/qt/WindowLook.h"

TMainForm* MainForm = nullptr;

namespace layout = main_form_layout;
namespace captions = main_form_text;

namespace {

template <typename Control>
Control* Place(TMainForm* form, const char* name, const ControlPlace& place) {
  auto* control = new Control(form);
  control->setObjectName(name);
  control->setGeometry(place.left, place.top, place.width, place.height);
  return control;
}

QLabel* PlaceLabel(TMainForm* form, const char* name, const LabelPlace& place,
                   std::string_view caption) {
  QLabel* label = Place<QLabel>(form, name, {place.left, place.top, 0, layout::LabelHeight});
  label->setText(FromSystemText(caption));
  label->adjustSize();
  return label;
}

QCheckBox* PlaceCheckBox(TMainForm* form, const char* name, const ControlPlace& place,
                         std::string_view caption, bool checked) {
  QCheckBox* box = Place<QCheckBox>(form, name, place);
  box->setText(FromSystemText(caption));
  box->setChecked(checked);
  return box;
}

void ColourGrey(QLabel* label) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, GreyText());
  label->setPalette(palette);
}

}  // namespace

TMainForm::TMainForm()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint),
      statusThrottle_(
          [this](std::string_view shown) { PaintStatus(shown); },
          [this] { QTimer::singleShot(0, this, [this] { statusThrottle_.Flush(); }); }) {
  setWindowTitle(FromSystemText(captions::Caption));
  ApplyFormLook(*this);
  setFixedSize(layout::ClientWidth, layout::ClientHeight);

  Label1 = PlaceLabel(this, "Label1", layout::Label1, captions::Label1);
  Edit1 = Place<QLineEdit>(this, "Edit1", layout::Edit1);
  Edit1->setMaxLength(std::numeric_limits<int>::max());
  Button1 = Place<QPushButton>(this, "Button1", layout::Button1);
  Button1->setText(FromSystemText(captions::Button1));
  OpenDialog1 = new QFileDialog(this);
  OpenDialog1->setObjectName("OpenDialog1");
  OpenDialog1->setOption(QFileDialog::DontUseNativeDialog);
  OpenDialog1->setFileMode(QFileDialog::ExistingFile);
  OpenDialog1->setAcceptMode(QFileDialog::AcceptOpen);
  OpenDialog1->setSizeGripEnabled(true);
  Label2 = PlaceLabel(this, "Label2", layout::Label2, captions::Label2);
  CheckBox1 = PlaceCheckBox(this, "CheckBox1", layout::CheckBox1, captions::No, true);
  CheckBox2 = PlaceCheckBox(this, "CheckBox2", layout::CheckBox2, captions::Yes, false);
  Label3 = PlaceLabel(this, "Label3", layout::Label3, captions::Label3);
  CheckBox3 = PlaceCheckBox(this, "CheckBox3", layout::CheckBox3, captions::No, true);
  CheckBox4 = PlaceCheckBox(this, "CheckBox4", layout::CheckBox4, captions::Yes, false);
  Button2 = Place<QPushButton>(this, "Button2", layout::Button2);
  Button2->setText(FromSystemText(captions::DetectCaption));
  Status = PlaceLabel(this, "Status", layout::Status, status_text::Idle);
  ColourGrey(Status);
  Label4 = PlaceLabel(this, "Label4", layout::Label4, captions::Label4);
  ColourGrey(Label4);
  Label4->installEventFilter(this);

  for (QPushButton* button : {Button1, Button2}) {
    button->setAutoDefault(false);
    button->setDefault(false);
  }
  for (QLabel* label : {Label1, Label2, Label3, Status, Label4}) label->setFocusPolicy(Qt::NoFocus);
  QWidget::setTabOrder(Edit1, Button1);
  QWidget::setTabOrder(Button1, CheckBox1);
  QWidget::setTabOrder(CheckBox1, CheckBox2);
  QWidget::setTabOrder(CheckBox2, CheckBox3);
  QWidget::setTabOrder(CheckBox3, CheckBox4);
  QWidget::setTabOrder(CheckBox4, Button2);
  Edit1->setFocus();

  connect(Button1, &QPushButton::clicked, this, &TMainForm::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TMainForm::Button2Click);
  // Like a click, a change made by a partner's handler runs the box's handler too.
  connect(CheckBox1, &QCheckBox::toggled, this, &TMainForm::CheckBox1Click);
  connect(CheckBox2, &QCheckBox::toggled, this, &TMainForm::CheckBox2Click);
  connect(CheckBox3, &QCheckBox::toggled, this, &TMainForm::CheckBox3Click);
  connect(CheckBox4, &QCheckBox::toggled, this, &TMainForm::CheckBox4Click);

  FormCreate();
}

void TMainForm::FormCreate() {
  StartUp();
  SetStatusSink([this](std::string_view shown) { ShowStatus(shown); });
}

void TMainForm::FormClose() { ShutDown(); }

void TMainForm::closeEvent(QCloseEvent* event) {
  FormClose();
  SetStatusSink(nullptr);
  event->accept();
}

void TMainForm::showEvent(QShowEvent* event) {
  // Centred on the whole desktop, all screens together, when first shown.
  if (!shownBefore_) {
    shownBefore_ = true;
    CentreByFrameOn(*this, QGuiApplication::primaryScreen()->virtualGeometry());
  }
  QWidget::showEvent(event);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Label4 && event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
      Label4->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
    Label4Click();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void TMainForm::Button1Click() {
  if (OpenDialog1->exec() != QDialog::Accepted || OpenDialog1->selectedFiles().isEmpty()) return;
  Edit1->setText(OpenDialog1->selectedFiles().constFirst());
}

void TMainForm::Button2Click() {
  std::optional<std::string_view> mistake =
      FirstFailedCheck({Edit1->text().isEmpty(), CheckBox1->isChecked(), CheckBox2->isChecked(),
                        CheckBox3->isChecked(), CheckBox4->isChecked()});
  if (mistake) {
    ShowMessageDialog(this, FromSystemText(*mistake));
    return;
  }
  Button2->setText(FromSystemText(captions::WaitCaption));
  Button2->repaint();
  RunOutcome outcome = RunFromWindow(Edit1->text().toStdU16String(), FileNameEncoding,
                                     CheckBox2->isChecked(), CheckBox4->isChecked());
  // The button reads its resting caption after a failed run too: the run is over.
  Button2->setText(FromSystemText(captions::DetectCaption));
  switch (outcome.ending) {
    case RunOutcome::Ending::Completed:
      ShowMessageDialog(this, FromFileNameText(outcome.text));
      break;
    case RunOutcome::Ending::Failed:
      ShowErrorBox(this, FromSystemText(outcome.text));
      break;
    case RunOutcome::Ending::Interrupted:
      break;  // the program is closing: the window loop takes the request next
  }
}

void TMainForm::CheckBox1Click() {
  if (CheckBox1->isChecked()) CheckBox2->setChecked(false);
}

void TMainForm::CheckBox2Click() {
  if (CheckBox2->isChecked()) CheckBox1->setChecked(false);
}

void TMainForm::CheckBox3Click() {
  if (CheckBox3->isChecked()) CheckBox4->setChecked(false);
}

void TMainForm::CheckBox4Click() {
  if (CheckBox4->isChecked()) CheckBox3->setChecked(false);
}

void TMainForm::Label4Click() { AjudaForm->exec(); }

void TMainForm::ShowStatus(std::string_view text) { statusThrottle_.Show(text); }

void TMainForm::PaintStatus(std::string_view text) {
  Status->setText(FromSystemText(text));
  Status->adjustSize();
  Status->repaint();
}
