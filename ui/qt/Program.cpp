#include "ui/qt/Program.h"

#include <QApplication>
#include <QSocketNotifier>
#include <exception>
#include <memory>

#include "platform/TerminationRequest.h"
#include "ui/common/ApplicationTitle.h"
#include "ui/qt/Ajuda.h"
#include "ui/qt/Dialogs.h"
#include "ui/qt/Main.h"
#include "ui/qt/WindowLook.h"

int RunProgram() {
  // From here on, a request to end waits for the window loop instead of
  // killing the program wherever it is.
  int terminationRequests = platform::WatchTerminationRequests();
  ApplicationTitle = QString::fromStdU16String(
      ApplicationTitleFor(QCoreApplication::applicationFilePath().toStdU16String()));

  std::unique_ptr<TMainForm> mainForm;
  try {
    mainForm = std::make_unique<TMainForm>();
  } catch (const std::exception& failure) {
    // Started in a folder that no longer exists, for instance.
    ShowFailure(nullptr, failure);
    return 1;
  }
  MainForm = mainForm.get();
  TAjudaForm ajudaForm;
  AjudaForm = &ajudaForm;

  QSocketNotifier terminationRequest(terminationRequests, QSocketNotifier::Read);
  QObject::connect(&terminationRequest, &QSocketNotifier::activated, mainForm.get(), [&] {
    terminationRequest.setEnabled(false);  // the request stays readable: take it once
    mainForm->close();
  });

  mainForm->show();
  int status = QApplication::exec();
  AjudaForm = nullptr;
  MainForm = nullptr;
  return status;
}
