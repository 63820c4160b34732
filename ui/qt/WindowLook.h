// The look the windows share: the face, colours and the title of dialogs.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QWidget;

// "MS Sans Serif", 8 points: the system's face where it has one, else the
// free face of the same name and metrics from Debian's fonts-wine, else an
// 8-point sans-serif face.
QFont WindowFont();

// The colour of the status line and of the help label: red, green and blue at 128.
QColor GreyText();

// Button-face background and the window font for a form.
void ApplyFormLook(QWidget& form);

// Moves `window` so that the centre of its outer frame, title bar included,
// lies on the centre of `area`. A window manager frames a window only once
// it is shown, so this is done again, once, when the frame's size is known.
void CentreByFrameOn(QWidget& window, const QRect& area);

// The application title (ApplicationTitleFor), the caption of every
// message dialog, fixed at program start.
extern QString ApplicationTitle;
