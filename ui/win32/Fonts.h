// The fonts of the program's windows, sized for a number of dots per inch.
#pragma once

#include <windows.h>

namespace ign {

// "MS Sans Serif", 8 points: the main window's font, bold where a line must
// stand out. The system substitutes a face of its own where this one is
// missing.
HFONT CreateWindowFont(UINT dpi, bool bold = false);

// A fixed-pitch font of the same size, so that report rows line up in columns.
HFONT CreateFixedFont(UINT dpi);

// `value` pixels at 96 dots per inch, at `dpi`.
inline int Scaled(int value, UINT dpi) { return MulDiv(value, int(dpi), 96); }

}  // namespace ign
