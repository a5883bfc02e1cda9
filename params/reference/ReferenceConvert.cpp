#include <cstdint>

#include "params/reference/Reference.h"

namespace ign::reference {

void Adjust(TParameterSet& set) {
  for (int i = 0; i < 15; ++i) {
    set.gain[i] = 60;
    set.time_const[i] = 20;
    set.alarm[i] = set.alarm[i] > 20 ? static_cast<std::uint8_t>(set.alarm[i] - 20) : 0;
  }
}

bool Convert(std::string_view input, std::string& output) {
  TParameterSet set;
  Adjust(set);
  if (!Read(input, set)) return false;
  Adjust(set);
  output += Write(set);
  return true;
}

}  // namespace ign::reference
