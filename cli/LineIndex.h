// Line numbers of byte offsets in a text, for messages that point into a file.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace ign {

class TLineIndex {
 public:
  explicit TLineIndex(std::string_view text);
  // The 1-based number of the line that holds `offset`; a line ends with LF,
  // so CR LF and LF files count alike.
  std::size_t LineOf(std::size_t offset) const;

 private:
  std::vector<std::size_t> starts_;  // offset of the first byte of each line
};

}  // namespace ign
