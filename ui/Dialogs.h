// The two modal boxes of the windows, both captioned with the application
// title and closed with one "OK": the message dialog (no icon) for checks
// and the completion message, and the error box (stop icon) for a failure.
#pragma once

#include <QString>
#include <exception>
#include <string>

class QWidget;

// Both show their text as it is, never as markup.
void ShowMessageDialog(QWidget* parent, const QString& text);
void ShowErrorBox(QWidget* parent, const QString& text);

// The error box for a failure: its message ("Out of memory" for exhausted
// memory) with the full stop of WithFullStop.
void ShowFailure(QWidget* parent, const std::exception& failure);

// An error's message as the error box shows it: with a full stop added when
// it is not empty and its last byte comes after "." in byte order.
std::string WithFullStop(std::string message);
