#include "ui/SystemText.h"

#include <QFile>
#include <QStringDecoder>

QString FromSystemText(std::string_view windows1252) {
  QStringDecoder decoder("windows-1252");
  return decoder.decode(
      QByteArrayView(windows1252.data(), static_cast<qsizetype>(windows1252.size())));
}

std::string FileNameForRun(const QString& name) { return QFile::encodeName(name).toStdString(); }

QString FromFileNameText(const std::string& bytes) {
  return QFile::decodeName(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}
