// Conversions at the window's boundary: the system holds Windows-1252 text;
// Qt holds Unicode; file names are what the file system knows.
#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "ui/common/NameEncoding.h"

// A text of the system (status, message, caption, help), for display.
QString FromSystemText(std::string_view windows1252);

// Names typed or picked, as the file system knows them (QFile::encodeName).
extern const NameEncoding FileNameEncoding;

// Text made of a file name and ASCII words (the completion message), for display.
QString FromFileNameText(const std::string& bytes);
