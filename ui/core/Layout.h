// Where the main window sits and where its controls go, in pixels at 96 dots
// per inch, whatever toolkit draws them.
#pragma once

#include <array>

#include "ui/core/Controls.h"

namespace ign {

struct TPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(TPoint, TPoint) = default;
};

struct TSize {
  int width = 0;
  int height = 0;
  friend bool operator==(TSize, TSize) = default;
};

// The outer size the window is laid out and centred for, frame included.
inline constexpr TSize kFormHlavOuterSize{572, 308};
// The client area below the menu bar; the status bar takes its last 18 rows.
inline constexpr TSize kClientSize{564, 254};
inline constexpr int kStatusBarTop = 236;
inline constexpr int kStatusBarHeight = 18;
// Kept free between a file name and the window's right edge.
inline constexpr int kFileNameMargin = 8;

// A control's place in the client area; a size of 0 x 0 lets a label size
// itself to its text.
struct TPlace {
  TControl control;
  TPoint at;
  TSize size;
};

inline constexpr std::array<TPlace, 6> kPlaces{{
    {TControl::kImageLogo2, {145, -1}, {312, 44}},
    {TControl::kLabelFile1, {40, 81}, {}},
    {TControl::kLabelFile2, {106, 81}, {}},
    {TControl::kLabelFile3, {40, 117}, {}},
    {TControl::kLabelFile4, {40, 153}, {}},
    {TControl::kLabelFile5, {104, 153}, {}},
}};

// The place of `control`; nothing for a control that kPlaces does not hold.
constexpr TPlace PlaceOf(TControl control) {
  for (const TPlace& place : kPlaces) {
    if (place.control == control) return place;
  }
  return {control, {}, {}};
}

// What the file-name labels show before the first conversion reaches them.
inline constexpr const char* kNoFileYet = "----------";

// Left and top of a window of outer size `window` centred on `screen`. The
// halves truncate toward zero, so a window larger than the screen gets a
// negative position rather than being pushed back onto it.
constexpr TPoint CentredPosition(TSize screen, TSize window) {
  return {(screen.width - window.width) / 2, (screen.height - window.height) / 2};
}

}  // namespace ign
