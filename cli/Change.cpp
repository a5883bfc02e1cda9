#include "cli/Change.h"

#include <algorithm>

namespace ign {

std::string_view ReasonCode(TReason reason) {
  switch (reason) {
    case TReason::kWrapped:
      return "wrapped";
    case TReason::kRounded:
      return "rounded";
    case TReason::kNotANumber:
      return "not-a-number";
    case TReason::kEndOfFile:
      return "end-of-file";
    case TReason::kMissingKey:
      return "missing-key";
    case TReason::kDuplicateKey:
      return "duplicate-key";
    case TReason::kBeforeVersion:
      return "before-version";
    case TReason::kUnknownToken:
      return "unknown-token";
    case TReason::kAdjusted:
      return "adjusted";
    case TReason::kDropped:
      return "dropped";
  }
  return "";
}

std::string_view ReasonText(TReason reason) {
  switch (reason) {
    case TReason::kWrapped:
      return "out of range, wrapped";
    case TReason::kRounded:
      return "not a multiple of the step, rounded down";
    case TReason::kNotANumber:
      return "no number here, previous value used";
    case TReason::kEndOfFile:
      return "file ends inside the key, previous value used";
    case TReason::kMissingKey:
      return "key missing, start value used";
    case TReason::kDuplicateKey:
      return "key given again, overridden";
    case TReason::kBeforeVersion:
      return "before the version key, ignored";
    case TReason::kUnknownToken:
      return "no key, skipped";
    case TReason::kAdjusted:
      return "expected, the version-2006 adjustment";
    case TReason::kDropped:
      return "expected, version 2006 has no such row";
  }
  return "";
}

std::size_t TFileReport::UnexpectedCount() const {
  return static_cast<std::size_t>(std::count_if(
      changes.begin(), changes.end(), [](const TChange& c) { return !IsExpected(c.reason); }));
}

}  // namespace ign
