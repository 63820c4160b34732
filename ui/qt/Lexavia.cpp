// Lexavia: finds candidate neologisms in a Portuguese text.
#include <QApplication>

#include "ui/qt/Program.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  return RunProgram();
}
