// Lexavia: finds candidate neologisms in a Portuguese text.
#include <QApplication>
#include <QSocketNotifier>

#include "platform/TerminationRequest.h"

#include "ui/Ajuda.h"
#include "ui/Main.h"
#include "ui/WindowLook.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  ApplicationTitle = ApplicationTitleFor(QCoreApplication::applicationFilePath());

  TMainForm mainForm;
  MainForm = &mainForm;
  TAjudaForm ajudaForm;
  AjudaForm = &ajudaForm;

  // Asked to end from outside, the program closes its window as the user would.
  QSocketNotifier terminationRequest(platform::WatchTerminationRequests(), QSocketNotifier::Read);
  QObject::connect(&terminationRequest, &QSocketNotifier::activated, &mainForm, &TMainForm::close);

  mainForm.show();
  return application.exec();
}
