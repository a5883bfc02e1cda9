#include "report/Change.h"

namespace ign {
namespace {

constexpr std::array<std::string_view, kReasonCount> kCodes = {
    "wrapped",     "rounded",       "not-a-number",   "end-of-file",
    "missing-key", "duplicate-key", "before-version", "unknown-token",
    "not-checked", "adjusted",      "dropped",
};

constexpr TReasonTexts kEnglish = {
    "out of range, wrapped",
    "not a multiple of the step, rounded down",
    "no number here, previous value used",
    "file ends inside the key, previous value used",
    "key missing, value kept from before the file",
    "key given again, overridden by line",
    "before the version key, ignored",
    "no key, skipped",
    "file over 1 MiB, converted without checking its values",
    "expected, the version-2006 adjustment",
    "expected, version 2006 has no such row",
};

}  // namespace

std::string_view ReasonCode(TReason reason) { return kCodes[static_cast<std::size_t>(reason)]; }

const TReasonTexts& EnglishReasonTexts() { return kEnglish; }

std::size_t TReasonCounts::Unexpected() const {
  std::size_t count = 0;
  for (std::size_t r = 0; r < kReasonCount; ++r) {
    if (!IsExpected(static_cast<TReason>(r))) count += counts_[r];
  }
  return count;
}

}  // namespace ign
