// The sample file the benchmarks convert: a typical version-2005 file of 13 KB.
#pragma once

#include <fstream>
#include <sstream>
#include <string>

namespace ign::bench {

inline const std::string& Example() {
  static const std::string text = [] {
    std::ifstream in(IGN_EXAMPLES_DIR "/two-stroke-125.ign", std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
  }();
  return text;
}

}  // namespace ign::bench
