#include "ui/win32/Fonts.h"

namespace ign {
namespace {

HFONT CreateFontOf(const wchar_t* face, BYTE pitch, UINT dpi) {
  return CreateFontW(-MulDiv(8, int(dpi), 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                     DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     pitch, face);
}

}  // namespace

HFONT CreateWindowFont(UINT dpi) {
  return CreateFontOf(L"MS Sans Serif", DEFAULT_PITCH | FF_SWISS, dpi);
}

HFONT CreateFixedFont(UINT dpi) {
  return CreateFontOf(L"Courier New", FIXED_PITCH | FF_MODERN, dpi);
}

}  // namespace ign
