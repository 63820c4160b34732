// The two modal boxes of the windows, both captioned with the application
// title and closed with one "OK": the message dialog (no icon) for checks
// and the completion message, and the error box (stop icon) for a failure.
#pragma once

#include <QString>
#include <string>

class QWidget;

void ShowMessageDialog(QWidget* parent, const QString& text);
void ShowErrorBox(QWidget* parent, const QString& text);

// An error's message as the error box shows it: with a full stop added when
// it is not empty and its last byte comes after "." in byte order.
std::string WithFullStop(std::string message);
