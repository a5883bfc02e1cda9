// Reading a version-2005 parameter file into a parameter set.
//
// The reader never fails and never stops early: it scans for the pair
// "ZANTROVA_KEY" 37, then stores the values of every key it meets, and reads
// to the end of the input. Whether the pair was found is its only report.
#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>
#include <string_view>

#include "params/KeyTable.h"
#include "params/ParameterSet.h"
#include "params/scan/ScanStatus.h"

namespace ign {

// What the reader found at one value position of a key.
struct TValueRead {
  TScanStatus status;   // a number, no number, or the end of the input
  std::size_t offset;   // where the number began (kNumber only)
  std::size_t length;   // its length in bytes (kNumber only)
  std::uint8_t stored;  // the byte the element received
};

// Told what the reader meets, for callers that explain a conversion. The
// reader does not depend on it; every hook does nothing by default.
class TReadObserver {
 public:
  virtual ~TReadObserver() = default;
  // The whole input, before anything else; it stays valid until the reading
  // returns, and every offset below points into it.
  virtual void OnInput(std::string_view /*text*/) {}
  // Instead of everything else, for a stream longer than kMostObservedInput:
  // it is read through the buffer with no one told, so that its length
  // costs no memory.
  virtual void OnInputTooLarge() {}
  // A token before the version pair (the pair's own tokens excluded).
  virtual void OnTokenBeforeVersion(std::string_view /*token*/, std::size_t /*offset*/) {}
  // The version pair, at the offset of its "ZANTROVA_KEY".
  virtual void OnVersionPair(std::size_t /*offset*/) {}
  // A token after the version pair that is no key; `token` is empty when the
  // token was too long to hold.
  virtual void OnUnknownToken(std::string_view /*token*/, std::size_t /*offset*/) {}
  // A key, before its values are read.
  virtual void OnKey(const TKeyRule& /*key*/, std::size_t /*offset*/) {}
  // The value at `index` of `key`, after it was stored.
  virtual void OnValue(const TKeyRule& /*key*/, unsigned /*index*/, const TValueRead& /*read*/) {}
};

// The longest stream an observer is shown; a parameter file has 13 KB.
inline constexpr std::size_t kMostObservedInput = std::size_t{1} << 20;

// Reads `text` into `set` and returns set.version_matched. Fields of keys the
// text lacks keep their values; the set is not cleared first.
bool ReadIgn2005(std::string_view text, TParameterSet& set, TReadObserver* observer = nullptr);

// As above, reading `in` from its current position to its end through a
// buffer. With an observer, a stream of up to kMostObservedInput bytes is
// read into memory first, so that the observer can be shown it whole. The
// stream is neither rewound nor closed.
bool ReadIgn2005(std::istream& in, TParameterSet& set, TReadObserver* observer = nullptr);

}  // namespace ign
