// What a conversion did to the values of one file, one change at a time.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "params/ParameterSet.h"

namespace ign {

enum class TReason : std::uint8_t {
  kWrapped,        // out of the field's range, written modulo its byte
  kRounded,        // not a multiple of the field's step, cut to the step below
  kNotANumber,     // no number at the position, the previous number was used
  kEndOfFile,      // the file ends inside the key, the previous number was used
  kMissingKey,     // the key never came after the version pair, value kept
  kDuplicateKey,   // the key came again later; these values were overridden
  kBeforeVersion,  // a key before the version pair, ignored
  kUnknownToken,   // a token after the version pair that is no key, skipped
  kNotChecked,     // the input was too long to be checked; its values were converted
  kAdjusted,       // expected: version 2006 gives the value another meaning
  kDropped,        // expected: version 2006 has no such row
};
inline constexpr std::size_t kReasonCount = static_cast<std::size_t>(TReason::kDropped) + 1;

// The code scripts see ("wrapped", "not-a-number", ...), alike in every
// language.
std::string_view ReasonCode(TReason reason);

// What `reason` means, for people, in `language` (a TLanguage value). The
// text of kDuplicateKey is followed by the number of the line that wins.
std::string_view ReasonMeaning(TReason reason, std::uint8_t language);

// How a change counts. A value is one element of a key that reaches version
// 2006 other than the file says; a skipped word is text of the file that the
// conversion passes over: a token that is no key, a key before the version,
// or an occurrence of a key that a later one overrides (one word, its key,
// for the whole occurrence, as for a key before the version).
enum class TReasonKind : std::uint8_t { kValue, kSkippedWord, kNotChecked, kExpected };

constexpr TReasonKind KindOf(TReason reason) {
  switch (reason) {
    case TReason::kDuplicateKey:
    case TReason::kBeforeVersion:
    case TReason::kUnknownToken:
      return TReasonKind::kSkippedWord;
    case TReason::kNotChecked:
      return TReasonKind::kNotChecked;
    case TReason::kAdjusted:
    case TReason::kDropped:
      return TReasonKind::kExpected;
    default:
      return TReasonKind::kValue;
  }
}

// Changes that every version-2005 file goes through by design.
constexpr bool IsExpected(TReason reason) { return KindOf(reason) == TReasonKind::kExpected; }

struct TChange {
  std::size_t line = 0;             // 1-based; 0 for a missing key
  std::string_view key;             // a name of the key table; empty for an unknown token
  std::optional<unsigned> index;    // value position within the key, from 0
  bool in_map = false;              // index is row * kMapColumns + column
  std::optional<std::string> from;  // the text in the file
  std::optional<int> to;            // the number written
  TReason reason = TReason::kWrapped;
  std::size_t overridden_by = 0;  // for kDuplicateKey: the line that wins
};

// Takes the changes of one file in the order of the file.
class TChangeSink {
 public:
  virtual ~TChangeSink() = default;
  virtual void Add(const TChange& change) = 0;
};

// Hands each change to two sinks.
class TTeeSink final : public TChangeSink {
 public:
  TTeeSink(TChangeSink& first, TChangeSink& second) : first_(first), second_(second) {}
  void Add(const TChange& change) override {
    first_.Add(change);
    second_.Add(change);
  }

 private:
  TChangeSink& first_;
  TChangeSink& second_;
};

// Hands on only the changes that are not expected.
class TUnexpectedOnly final : public TChangeSink {
 public:
  explicit TUnexpectedOnly(TChangeSink& next) : next_(next) {}
  void Add(const TChange& change) override {
    if (!IsExpected(change.reason)) next_.Add(change);
  }

 private:
  TChangeSink& next_;
};

// Counts changes by reason, and keeps nothing else.
class TReasonCounts : public TChangeSink {
 public:
  void Add(const TChange& change) override { ++counts_[static_cast<std::size_t>(change.reason)]; }
  std::size_t Of(TReason reason) const { return counts_[static_cast<std::size_t>(reason)]; }
  std::size_t Of(TReasonKind kind) const;
  // Values changed unexpectedly.
  std::size_t Values() const { return Of(TReasonKind::kValue); }
  // Words of the file that the conversion passed over.
  std::size_t SkippedWords() const { return Of(TReasonKind::kSkippedWord); }
  // False for an input too long to be looked at value by value.
  bool Checked() const { return Of(TReason::kNotChecked) == 0; }
  // Anything but the expected changes: what --strict fails on.
  bool AnyUnexpected() const { return Values() > 0 || SkippedWords() > 0 || !Checked(); }

 private:
  std::array<std::size_t, kReasonCount> counts_{};
};

}  // namespace ign
