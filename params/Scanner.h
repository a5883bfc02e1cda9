// Token and number scanning with the semantics of the C library's formatted
// input ("%s", "%u", "%d" in the C locale), over text in memory or a stream,
// both read through a buffer of the scanner's own. A token longer than kMaxToken characters is consumed whole and
// reported as too long, so no input can make the scanner hold more than one
// buffer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>
#include <memory>
#include <string_view>

namespace ign {

// What a number read found at the reading position.
enum class TScanStatus : std::uint8_t {
  kNumber,      // a number was read and stored
  kNotANumber,  // text that is no number; nothing was consumed
  kEndOfInput,  // only white space was left
};

struct TToken {
  std::string_view text;     // valid until the next read; empty when too long
  std::size_t offset = 0;    // byte offset of the token's first character
  std::size_t length = 0;    // its full length, also when too long
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
  struct TSpan {
    std::size_t offset;
    std::size_t length;
  };
  unsigned ReadNumbers(std::uint32_t* values, unsigned count, TScanStatus& stop,
                       TSpan* spans = nullptr);

  // Byte offset of the reading position from the start of the input.
  std::size_t Offset() const { return OffsetOf(cur_); }

 private:
  std::size_t OffsetOf(const char* p) const {
    return base_offset_ + static_cast<std::size_t>(p - base_);
  }
  // Makes at least `count` bytes available from the reading position unless
  // the input ends first; returns whether they are there.
  bool Ensure(std::size_t count);
  // Moves the bytes from `keep` on to the front of the buffer and reads more.
  bool Refill(const char* keep);
  bool SkipSpace();
  void Allocate();
  // Marks, one bit a byte, which bytes of the buffer are white space and
  // which are digits; done after every refill.
  void Classify();
  // Reads numbers while each is a short run of digits after white space,
  // well inside the buffer; returns how many it read.
  unsigned ReadNumbersFast(std::uint32_t* values, unsigned count, TSpan* spans);
  template <bool kWithSpans>
  unsigned ReadNumbersFast(std::uint32_t* values, unsigned count, TSpan* spans);
  std::size_t NextOther(std::size_t at) const;
  std::uint64_t RunFirsts(std::size_t block) const;
  std::uint64_t RunLasts(std::size_t block) const;
  // Reads one number the long way: signs, numbers that reach the end of the
  // buffer, anything that is no number.
  TScanStatus ReadNumberSlow(std::uint32_t& value, TSpan& span);

  const char* cur_ = nullptr;
  const char* end_ = nullptr;
  const char* base_ = nullptr;   // what offset base_offset_ corresponds to
  std::size_t base_offset_ = 0;
  std::string_view rest_;  // text of a memory source not yet in the buffer
  std::istream* in_ = nullptr;
  std::unique_ptr<char[]> buffer_;
  std::size_t capacity_ = 0;
  // Per 64-byte block of the buffer: bytes that are neither white space nor
  // digits, and digits (one block later, behind a block of zeros, so that the
  // block before the first one can be asked for).
  std::unique_ptr<std::uint64_t[]> other_;
  std::unique_ptr<std::uint64_t[]> digit_;
  std::size_t blocks_ = 0;  // how many blocks the last classification covered
};

}  // namespace ign
