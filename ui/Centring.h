// Where a window goes to sit in the middle of a screen.
#pragma once

#include <QPoint>
#include <QSize>

namespace ign {

// Left and top of a window of outer size `window` centred on `screen`. The
// halves truncate toward zero, so a window larger than the screen gets a
// negative position rather than being pushed back onto it.
QPoint CentredPosition(QSize screen, QSize window);

}  // namespace ign
