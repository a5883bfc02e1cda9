#include "params/Layout2006.h"

namespace ign {

std::string_view Key2006At(std::size_t offset) {
  std::string_view key;
  for (const TLayoutLine& line : kLayout2006) {
    if (line.lead == TLead::kKey) key = line.key;
    for (const TCellRun& run : line.Runs()) {
      if (offset >= run.offset && offset < std::size_t{run.offset} + run.count) return key;
    }
  }
  return {};
}

}  // namespace ign
