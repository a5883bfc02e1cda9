#include "params/Convert.h"

#include "params/IgnWriter.h"
#include "params/New.h"

namespace ign {
namespace {

template <typename TInput>
bool Fresh(TInput& input, std::string& output, TReadObserver* observer, TParameterSet* written) {
  TParameterSet set = FreshSet();
  const bool matched = ReadIgn2005(input, set, observer);
  if (matched) {
    AdjustFor2006(set);
    WriteIgn2006(set, output);
  }
  if (written != nullptr) *written = set;
  return matched;
}

}  // namespace

TParameterSet FreshSet() {
  TParameterSet set;
  AdjustFor2006(set);
  return set;
}

bool ConvertFresh(std::string_view input, std::string& output, TReadObserver* observer,
                  TParameterSet* written) {
  return Fresh(input, output, observer, written);
}

bool ConvertFresh(std::istream& in, std::string& output, TReadObserver* observer,
                  TParameterSet* written) {
  return Fresh(in, output, observer, written);
}

}  // namespace ign
