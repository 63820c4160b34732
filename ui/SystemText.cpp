#include "ui/SystemText.h"

#include <QFile>
#include <QStringDecoder>

#include "platform/FileError.h"

QString FromSystemText(std::string_view windows1252) {
  QStringDecoder decoder("windows-1252");
  return decoder.decode(
      QByteArrayView(windows1252.data(), static_cast<qsizetype>(windows1252.size())));
}

std::string FileNameForRun(const QString& name) {
  QByteArray encoded = QFile::encodeName(name);
  // A character the file system's encoding cannot hold (a lone surrogate)
  // would be replaced, naming another file.
  if (QFile::decodeName(encoded) != name) throw platform::FileError::InvalidName();
  return encoded.toStdString();
}

QString FromFileNameText(const std::string& bytes) {
  return QFile::decodeName(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}
