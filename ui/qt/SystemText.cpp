#include "ui/qt/SystemText.h"

#include <QFile>
#include <QStringDecoder>

QString FromSystemText(std::string_view windows1252) {
  QStringDecoder decoder("windows-1252");
  return decoder.decode(
      QByteArrayView(windows1252.data(), static_cast<qsizetype>(windows1252.size())));
}

namespace {

// A character the file system's encoding cannot hold (a lone surrogate) is
// replaced on the way: NameHeldExactly finds it on the way back.
std::string EncodeFileName(std::u16string_view text) {
  return QFile::encodeName(QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())))
      .toStdString();
}

std::u16string DecodeFileName(std::string_view bytes) {
  return QFile::decodeName(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())))
      .toStdU16String();
}

}  // namespace

const NameEncoding FileNameEncoding{EncodeFileName, DecodeFileName};

QString FromFileNameText(const std::string& bytes) {
  return QFile::decodeName(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}
