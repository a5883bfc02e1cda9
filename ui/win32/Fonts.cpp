#include "ui/win32/Fonts.h"

namespace ign {
namespace {

HFONT CreateFontOf(const wchar_t* face, BYTE pitch, UINT dpi, int weight) {
  return CreateFontW(-MulDiv(8, int(dpi), 72), 0, 0, 0, weight, FALSE, FALSE, FALSE,
                     DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     pitch, face);
}

}  // namespace

HFONT CreateWindowFont(UINT dpi, bool bold) {
  return CreateFontOf(L"MS Sans Serif", DEFAULT_PITCH | FF_SWISS, dpi, bold ? FW_BOLD : FW_NORMAL);
}

HFONT CreateFixedFont(UINT dpi) {
  return CreateFontOf(L"Courier New", FIXED_PITCH | FF_MODERN, dpi, FW_NORMAL);
}

}  // namespace ign
