#include "report/Terminal.h"

#include <cstdio>

namespace ign {
namespace {

bool IsControl(unsigned char c) { return c < 0x20 || c == 0x7f; }

// On Windows the backslash separates folders, and a doubled one before a
// folder named "2024" would garble the name; no file name there can hold a
// control character, so a backslash with digits is always a folder.
#ifdef _WIN32
constexpr bool kBackslashSeparates = true;
#else
constexpr bool kBackslashSeparates = false;
#endif

void AppendOctal(std::string& out, unsigned char c) {
  char escaped[5];
  std::snprintf(escaped, sizeof escaped, "\\%03o", c);
  out += escaped;
}

}  // namespace

std::string QuoteForTerminal(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
    if (IsControl(c)) {
      AppendOctal(out, c);
    } else if (c == 0xc2 && next >= 0x80 && next <= 0x9f) {
      // U+0080 to U+009F: CSI and its kin in a UTF-8 terminal.
      AppendOctal(out, c);
      AppendOctal(out, next);
      ++i;
    } else if (c == '\\' && next >= '0' && next <= '7' && !kBackslashSeparates) {
      out += "\\\\";
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

}  // namespace ign
