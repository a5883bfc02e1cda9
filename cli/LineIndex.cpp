#include "cli/LineIndex.h"

#include <algorithm>

namespace ign {

TLineIndex::TLineIndex(std::string_view text) {
  starts_.push_back(0);
  for (std::size_t i = text.find('\n'); i != std::string_view::npos; i = text.find('\n', i + 1)) {
    starts_.push_back(i + 1);
  }
}

std::size_t TLineIndex::LineOf(std::size_t offset) const {
  return static_cast<std::size_t>(std::upper_bound(starts_.begin(), starts_.end(), offset) -
                                  starts_.begin());
}

}  // namespace ign
