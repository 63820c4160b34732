#include "ui/Main.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <exception>
#include <limits>

#include "detection/DetectionRun.h"
#include "detection/SegmenterBridge.h"
#include "detection/StatusLine.h"
#include "detection/StatusTexts.h"
#include "ui/Ajuda.h"
#include "ui/Dialogs.h"
#include "ui/SystemText.h"
#include "ui/WindowLook.h"

TMainForm* MainForm = nullptr;

namespace {

constexpr std::string_view DetectCaption = "Detecter termos candidatos";
constexpr std::string_view WaitCaption = "Aguarde...";
constexpr std::string_view NoFileMessage =
    "Erro: especifique o arquivo em que quer buscar termos candidatos a neologismos";
constexpr std::string_view NoOptionMessage =
    "Erro: \xE9 necess\xE1rio que se marque pelo menos um item para cada uma das op\xE7\xF5"
    "es dispon\xEDveis";
constexpr std::string_view LoadCountPrefix = "Status do software: carregando dicion\xE1rios... ";
constexpr std::string_view LoadCountSuffix = " palavras carregadas";

// The loader's running count, which comes once per dictionary entry.
bool IsLoadCount(std::string_view text) {
  return text.size() > LoadCountPrefix.size() + LoadCountSuffix.size() &&
         text.substr(0, LoadCountPrefix.size()) == LoadCountPrefix &&
         text.substr(text.size() - LoadCountSuffix.size()) == LoadCountSuffix;
}

// Paints a count that follows the previous paint by less than one frame
// only with the next text or at the next return to the event loop: a repaint
// costs more than reading an entry, and the load reports millions of them.
constexpr qint64 FrameNanoseconds = 16'000'000;

template <typename Control>
Control* Place(TMainForm* form, const char* name, int left, int top, int width, int height) {
  auto* control = new Control(form);
  control->setObjectName(name);
  control->setGeometry(left, top, width, height);
  return control;
}

QLabel* PlaceLabel(TMainForm* form, const char* name, int left, int top, std::string_view caption) {
  QLabel* label = Place<QLabel>(form, name, left, top, 0, 13);
  label->setText(FromSystemText(caption));
  label->adjustSize();
  return label;
}

QCheckBox* PlaceCheckBox(TMainForm* form, const char* name, int left, int top, int width,
                         std::string_view caption, bool checked) {
  QCheckBox* box = Place<QCheckBox>(form, name, left, top, width, 17);
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
                           Qt::WindowCloseButtonHint) {
  setWindowTitle("Lexavia");
  ApplyFormLook(*this);
  setFixedSize(599, 224);

  Label1 = PlaceLabel(this, "Label1", 16, 16,
                      "Especifique o arquivo em que quer buscar termos candidatos a neologismos");
  Edit1 = Place<QLineEdit>(this, "Edit1", 16, 32, 489, 21);
  Edit1->setMaxLength(std::numeric_limits<int>::max());
  Button1 = Place<QPushButton>(this, "Button1", 512, 32, 75, 25);
  Button1->setText("Abrir");
  OpenDialog1 = new QFileDialog(this);
  OpenDialog1->setObjectName("OpenDialog1");
  OpenDialog1->setOption(QFileDialog::DontUseNativeDialog);
  OpenDialog1->setFileMode(QFileDialog::ExistingFile);
  OpenDialog1->setAcceptMode(QFileDialog::AcceptOpen);
  OpenDialog1->setSizeGripEnabled(true);
  Label2 =
      PlaceLabel(this, "Label2", 16, 72,
                 "Deseja armazenar os candidatos no dicion\xE1rio de exclus\xE3o (para que eles "
                 "n\xE3o sejam detectados novamente no futuro)?");
  CheckBox1 = PlaceCheckBox(this, "CheckBox1", 16, 88, 65, "N\xE3o", true);
  CheckBox2 = PlaceCheckBox(this, "CheckBox2", 96, 88, 65, "Sim", false);
  Label3 =
      PlaceLabel(this, "Label3", 16, 120,
                 "Deseja que candidatos detectados no passado (e armazenados) sejam ignorados?");
  CheckBox3 = PlaceCheckBox(this, "CheckBox3", 16, 136, 73, "N\xE3o", true);
  CheckBox4 = PlaceCheckBox(this, "CheckBox4", 96, 136, 65, "Sim", false);
  Button2 = Place<QPushButton>(this, "Button2", 211, 168, 177, 25);
  Button2->setText(FromSystemText(DetectCaption));
  Status = PlaceLabel(this, "Status", 16, 208, status_text::Idle);
  ColourGrey(Status);
  Label4 = PlaceLabel(this, "Label4", 560, 208, "Ajuda");
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
  SetStatusSink([this](std::string_view text) { ShowStatus(text); });
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
  if (Edit1->text().isEmpty()) {
    ShowMessageDialog(this, FromSystemText(NoFileMessage));
    return;
  }
  if ((!CheckBox1->isChecked() && !CheckBox2->isChecked()) ||
      (!CheckBox3->isChecked() && !CheckBox4->isChecked())) {
    ShowMessageDialog(this, FromSystemText(NoOptionMessage));
    return;
  }
  Button2->setText(FromSystemText(WaitCaption));
  Button2->repaint();
  std::string message;
  std::exception_ptr failure;
  try {
    message =
        RunDetection(FileNameForRun(Edit1->text()), CheckBox2->isChecked(), CheckBox4->isChecked());
  } catch (...) {
    failure = std::current_exception();
  }
  // The button reads its resting caption after a failed run too: the run is over.
  Button2->setText(FromSystemText(DetectCaption));
  if (!failure) {
    ShowMessageDialog(this, FromFileNameText(message));
    return;
  }
  try {
    std::rethrow_exception(failure);
  } catch (const RunInterrupted&) {
    // The program is closing: the window loop takes the request next.
  } catch (const std::exception& error) {
    ShowFailure(this, error);
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

void TMainForm::ShowStatus(std::string_view text) {
  bool loadCount = IsLoadCount(text);
  if (loadCount && sinceStatusPaint_.isValid() &&
      sinceStatusPaint_.nsecsElapsed() < FrameNanoseconds) {
    waitingStatus_.assign(text);
    if (!waitingStatusFlushQueued_) {
      waitingStatusFlushQueued_ = true;
      QTimer::singleShot(0, this, [this] {
        waitingStatusFlushQueued_ = false;
        if (!waitingStatus_.empty()) PaintStatus(waitingStatus_);
      });
    }
    return;
  }
  // A count still waiting is the load's last: shown before a stage's text replaces it.
  if (!loadCount && !waitingStatus_.empty()) PaintStatus(waitingStatus_);
  PaintStatus(text);
}

void TMainForm::PaintStatus(std::string_view text) {
  std::string shown(text);  // `text` may be waitingStatus_ itself
  waitingStatus_.clear();
  Status->setText(FromSystemText(shown));
  Status->adjustSize();
  Status->repaint();
  sinceStatusPaint_.start();
}
