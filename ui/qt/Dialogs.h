// The two modal boxes of the windows, both captioned with the application
// title and closed with one "OK": the message dialog (no icon) for checks
// and the completion message, and the error box (stop icon) for a failure.
#pragma once

#include <QString>
#include <exception>

class QWidget;

// Both show their text as it is, never as markup.
void ShowMessageDialog(QWidget* parent, const QString& text);
void ShowErrorBox(QWidget* parent, const QString& text);

// The error box for a failure, with the text FailureText gives it.
void ShowFailure(QWidget* parent, const std::exception& failure);
