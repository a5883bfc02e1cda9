// Showing names and tokens from files on a terminal without letting them
// steer it.
#pragma once

#include <string>
#include <string_view>

namespace ign {

// `text` with every control character (C0, DEL and, encoded as UTF-8, C1)
// written as a backslash and three octal digits, as in "\033"; a backslash
// before such digits is doubled, so that the quoting reads back one way,
// except on Windows, where it separates folders.
std::string QuoteForTerminal(std::string_view text);

}  // namespace ign
