#include "params/Convert.h"

#include "params/IgnWriter.h"
#include "params/New.h"

namespace ign {

bool ConvertIgn2005To2006(std::string_view input, std::string& output, TReadObserver* observer) {
  TParameterSet set;
  AdjustFor2006(set);  // the start values a fresh run begins with
  if (!ReadIgn2005(input, set, observer)) return false;
  AdjustFor2006(set);
  WriteIgn2006(set, output);
  return true;
}

}  // namespace ign
