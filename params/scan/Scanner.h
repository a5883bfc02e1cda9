// Token and number scanning with the semantics of the C library's formatted
// input ("%s", "%u", "%d" in the C locale), over text in memory or a stream.
// Text in memory is scanned where it lies, a window at a time; a stream is
// read into a buffer of the scanner's own. Nothing is allocated either way.
// A token longer than kMaxToken characters is consumed whole and reported as
// too long, so no input can make the scanner hold more than one window.
#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>
#include <string_view>

#include "params/scan/Classify.h"
#include "params/scan/NumberRuns.h"
#include "params/scan/ScanStatus.h"

namespace ign {

struct TToken {
  std::string_view text;   // valid until the next read; empty when too long
  std::size_t offset = 0;  // byte offset of the token's first character
  std::size_t length = 0;  // its full length, also when too long
  bool too_long = false;
};

class TScanner {
 public:
  static constexpr std::size_t kMaxToken = 259;

  // Scans `text`, which must outlive the scanner.
  explicit TScanner(std::string_view text);
  // Scans `in` from its current position through a buffer of its own.
  explicit TScanner(std::istream& in);
  ~TScanner();
  TScanner(const TScanner&) = delete;
  TScanner& operator=(const TScanner&) = delete;

  // Skips white space and reads the characters up to the next white space.
  // Returns false at the end of the input.
  bool ReadToken(TToken& token);

  // Skips white space and reads an optionally signed decimal number, which
  // ends at its last digit, as the C library's "%u" and "%d" do: the number
  // is reduced modulo 65536 (or 2^32), and a minus sign negates it modulo
  // that. When no digit follows (a sign included) nothing is consumed and
  // `value` keeps its value.
  TScanStatus ReadUnsigned(std::uint16_t& value);
  TScanStatus ReadSigned(std::int32_t& value);

  // Reads up to `count` numbers in a row, each modulo 2^32 with its sign
  // applied, into `values`. Stops at the first position without a number and
  // returns how many it read; `stop` tells why it stopped (kNumber when it
  // read all). When `spans` is given, each number's place goes there.
  using TSpan = TNumberPlace;
  unsigned ReadNumbers(std::uint32_t* values, unsigned count, TScanStatus& stop,
                       TSpan* spans = nullptr);

  // Byte offset of the reading position from the start of the input.
  std::size_t Offset() const { return OffsetOf(cur_); }

 private:
  // The most bytes one window holds, and the bitmap words that cover it
  // with the block before the first and the two after the last.
  static constexpr std::size_t kWindow = 16 * 1024;
  static constexpr std::size_t kBlockWords = kWindow / 64 + 3;

  std::size_t OffsetOf(const char* p) const {
    return base_offset_ + static_cast<std::size_t>(p - base_);
  }
  // Makes at least `count` bytes available from the reading position unless
  // the input ends first; returns whether they are there.
  bool Ensure(std::size_t count);
  // Moves the window so that it begins at `keep` and reaches further;
  // returns false when no further byte came.
  bool Refill(const char* keep);
  bool SkipSpace();
  // Marks, one bit a byte, which bytes of the window are digits and which
  // are neither digits nor white space; done for every new window.
  void Classify();
  // Reads numbers while each is a short run of digits after white space,
  // well inside the window; returns how many it read.
  unsigned ReadNumbersFast(std::uint32_t* values, unsigned count, TSpan* spans);
  std::size_t NextOther(std::size_t at) const;
  // Reads one number the long way: signs, numbers that reach the end of the
  // window, anything that is no number.
  TScanStatus ReadNumberSlow(std::uint32_t& value, TSpan& span);

  // The window is [base_, end_); base_ lies base_offset_ bytes into the input.
  const char* cur_ = nullptr;
  const char* end_ = nullptr;
  const char* base_ = nullptr;
  std::size_t base_offset_ = 0;
  const char* text_end_ = nullptr;  // end of a text in memory
  std::istream* in_ = nullptr;
  TClassifier classify_;
  TRunReader read_runs_;
  std::size_t blocks_ = 0;  // how many blocks the last classification covered
  // Per 64-byte block of the window: bytes that are neither white space nor
  // digits, and the first and the last digits of runs of digits. Never
  // cleared: only words the classification wrote are read.
  std::uint64_t other_[kBlockWords];
  std::uint64_t digit_[kBlockWords];
  std::uint64_t run_firsts_[kBlockWords];
  std::uint64_t run_lasts_[kBlockWords];
  char buffer_[kWindow];  // a stream's bytes; unused for text in memory
};

}  // namespace ign
