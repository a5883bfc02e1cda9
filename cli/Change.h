// What a conversion did to the values of one file, as the report tells it.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ign {

enum class TReason {
  kWrapped,        // out of the field's range, written modulo its byte
  kRounded,        // not a multiple of the field's step, cut to the step below
  kNotANumber,     // no number at the position, the previous number was used
  kEndOfFile,      // the file ends inside the key, the previous number was used
  kMissingKey,     // the key never came after the version pair, start value used
  kDuplicateKey,   // the key came again later; these values were overridden
  kBeforeVersion,  // a key before the version pair, ignored
  kUnknownToken,   // a token after the version pair that is no key, skipped
  kAdjusted,       // expected: version 2006 gives the value another meaning
  kDropped,        // expected: version 2006 has no such row
};

// The code scripts see ("wrapped", "not-a-number", ...).
std::string_view ReasonCode(TReason reason);
// What the reason means, for people.
std::string_view ReasonText(TReason reason);
// Changes that every version-2005 file goes through by design.
inline bool IsExpected(TReason reason) {
  return reason == TReason::kAdjusted || reason == TReason::kDropped;
}

inline constexpr unsigned kMapColumns = 15;

struct TChange {
  std::optional<std::size_t> line;  // absent for a missing key
  std::string key;                  // empty for an unknown token
  std::optional<unsigned> index;    // value position within the key, from 0
  bool in_map = false;              // index is row * kMapColumns + column
  std::optional<std::string> from;  // the text in the file
  std::optional<std::string> to;    // the number written
  TReason reason = TReason::kWrapped;
  std::size_t overridden_by = 0;  // for kDuplicateKey: the line that wins
};

struct TFileReport {
  std::string file;
  bool converted = false;
  std::vector<TChange> changes;

  std::size_t UnexpectedCount() const;
};

}  // namespace ign
