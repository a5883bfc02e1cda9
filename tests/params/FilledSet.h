// A parameter set whose every parameter byte holds the same value.
#pragma once

#include <cstring>

#include "params/ParameterSet.h"

namespace ign {

inline TParameterSet FilledSet(std::uint8_t byte) {
  TParameterSet set;
  std::memset(static_cast<void*>(&set), byte, sizeof set);
  set.version_matched = false;  // a bool must hold 0 or 1
  return set;
}

}  // namespace ign
