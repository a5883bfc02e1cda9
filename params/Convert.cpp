#include "params/Convert.h"

#include "params/IgnWriter.h"
#include "params/New.h"

namespace ign {

namespace {

template <typename TInput>
bool Convert(TInput& input, std::string& output, TReadObserver* observer) {
  TParameterSet set;
  AdjustFor2006(set);  // the start values a fresh run begins with
  if (!ReadIgn2005(input, set, observer)) return false;
  AdjustFor2006(set);
  WriteIgn2006(set, output);
  return true;
}

}  // namespace

bool ConvertIgn2005To2006(std::string_view input, std::string& output, TReadObserver* observer) {
  return Convert(input, output, observer);
}

bool ConvertIgn2005To2006(std::istream& in, std::string& output, TReadObserver* observer) {
  return Convert(in, output, observer);
}

}  // namespace ign
