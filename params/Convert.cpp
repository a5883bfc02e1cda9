#include "params/Convert.h"

#include "params/IgnWriter.h"
#include "params/New.h"

namespace ign {

TParameterSet FreshSet() {
  TParameterSet set;
  AdjustFor2006(set);
  return set;
}

bool ConvertFresh(std::string_view input, std::string& output, TReadObserver* observer,
                  TParameterSet* written) {
  TParameterSet set = FreshSet();
  const bool matched = ReadIgn2005(input, set, observer);
  if (matched) {
    AdjustFor2006(set);
    WriteIgn2006(set, output);
  }
  if (written != nullptr) *written = set;
  return matched;
}

}  // namespace ign
