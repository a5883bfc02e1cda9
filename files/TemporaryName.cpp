#include "files/TemporaryName.h"

#include <cstdint>
#include <cstdio>
#include <random>

namespace ign {

std::string RandomHex() {
  static std::mt19937_64 random = [] {
    std::random_device seed;
    return std::mt19937_64(static_cast<std::uint64_t>(seed()) << 32 ^ seed());
  }();
  char hex[17];
  std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(random()));
  return hex;
}

}  // namespace ign
