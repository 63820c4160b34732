#include "ui/qt/Ajuda.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>

#include "ui/common/FormLayout.h"
#include "ui/common/HelpText.h"
#include "ui/qt/SystemText.h"
#include "ui/qt/WindowLook.h"

TAjudaForm* AjudaForm = nullptr;

TAjudaForm::TAjudaForm(QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint) {
  setWindowTitle(FromSystemText(AjudaCaption));
  ApplyFormLook(*this);
  resize(ajuda_form_layout::ClientWidth, ajuda_form_layout::ClientHeight);

  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName("Memo1");
  Memo1->setReadOnly(true);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  Memo1->setWordWrapMode(QTextOption::WordWrap);
  Memo1->setFrameShape(QFrame::NoFrame);
  Memo1->setPlainText(FromSystemText(AjudaText()));

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(Memo1);
  Memo1->setFocus();
}

void TAjudaForm::showEvent(QShowEvent* event) {
  // Centred on the primary screen the first time; later it stays where the user left it.
  if (!shownBefore_) {
    shownBefore_ = true;
    CentreByFrameOn(*this, QGuiApplication::primaryScreen()->geometry());
  }
  QDialog::showEvent(event);
}
