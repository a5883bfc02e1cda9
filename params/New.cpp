#include "params/New.h"

#include <cstddef>
#include <iterator>

namespace ign {

void AdjustFor2006(TParameterSet& set) {
  // Version 2006 measures the knock gain and time constant differently; the
  // version-2005 rows cannot be carried over, so they get the unit's defaults.
  constexpr std::uint8_t kGain = 60;
  constexpr std::uint8_t kTimeConst = 20;
  constexpr std::uint8_t kAlarmShift = 20;
  for (std::size_t i = 0; i < std::size(set.alarm); ++i) {
    set.gain[i] = kGain;
    set.time_const[i] = kTimeConst;
    set.alarm[i] =
        set.alarm[i] > kAlarmShift ? static_cast<std::uint8_t>(set.alarm[i] - kAlarmShift) : 0;
  }
}

}  // namespace ign
