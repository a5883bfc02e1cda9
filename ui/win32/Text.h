// Texts between the core, which keeps UTF-8, and the wide calls of Windows.
#pragma once

#include <string>
#include <string_view>

namespace ign {

// `utf8` in UTF-16.
std::wstring Wide(std::string_view utf8);

// `wide` in UTF-8; a lone surrogate, which no UTF-8 can hold, becomes U+FFFD.
std::string Utf8(std::wstring_view wide);

}  // namespace ign
