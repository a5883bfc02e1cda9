#include "cli/Change.h"

#include <algorithm>
#include <iterator>

namespace ign {

namespace {

struct TReasonWords {
  std::string_view code;  // for scripts
  std::string_view text;  // for people
};

// In the order of TReason.
constexpr TReasonWords kReasons[] = {
    {"wrapped", "out of range, wrapped"},
    {"rounded", "not a multiple of the step, rounded down"},
    {"not-a-number", "no number here, previous value used"},
    {"end-of-file", "file ends inside the key, previous value used"},
    {"missing-key", "key missing, start value used"},
    {"duplicate-key", "key given again, overridden"},
    {"before-version", "before the version key, ignored"},
    {"unknown-token", "no key, skipped"},
    {"adjusted", "expected, the version-2006 adjustment"},
    {"dropped", "expected, version 2006 has no such row"},
};
static_assert(std::size(kReasons) == static_cast<std::size_t>(TReason::kDropped) + 1);

}  // namespace

std::string_view ReasonCode(TReason reason) { return kReasons[static_cast<std::size_t>(reason)].code; }

std::string_view ReasonText(TReason reason) { return kReasons[static_cast<std::size_t>(reason)].text; }

std::size_t TFileReport::UnexpectedCount() const {
  return static_cast<std::size_t>(std::count_if(
      changes.begin(), changes.end(), [](const TChange& c) { return !IsExpected(c.reason); }));
}

}  // namespace ign
