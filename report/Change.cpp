#include "report/Change.h"

#include "texts/Texts.h"

namespace ign {
namespace {

constexpr std::array<std::string_view, kReasonCount> kCodes = {
    "wrapped",     "rounded",       "not-a-number",   "end-of-file",
    "missing-key", "duplicate-key", "before-version", "unknown-token",
    "not-checked", "adjusted",      "dropped",
};

// In the order of TReason.
constexpr std::array<TText, kReasonCount> kMeanings = {
    TText::kWrappedMeans,       TText::kRoundedMeans,      TText::kNotANumberMeans,
    TText::kEndOfFileMeans,     TText::kMissingKeyMeans,   TText::kDuplicateKeyMeans,
    TText::kBeforeVersionMeans, TText::kUnknownTokenMeans, TText::kNotCheckedMeans,
    TText::kAdjustedMeans,      TText::kDroppedMeans,
};

}  // namespace

std::string_view ReasonCode(TReason reason) { return kCodes[static_cast<std::size_t>(reason)]; }

std::string_view ReasonMeaning(TReason reason, std::uint8_t language) {
  return TextOf(kMeanings[static_cast<std::size_t>(reason)], language);
}

std::size_t TReasonCounts::Of(TReasonKind kind) const {
  std::size_t count = 0;
  for (std::size_t r = 0; r < kReasonCount; ++r) {
    if (KindOf(static_cast<TReason>(r)) == kind) count += counts_[r];
  }
  return count;
}

}  // namespace ign
