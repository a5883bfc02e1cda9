// Token and number scanning with the semantics of the C library's formatted
// input ("%s", "%u", "%d" in the C locale), over text in memory or a buffered
// stream. A token longer than kMaxToken characters is consumed whole and
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
  // ends at its last digit; the number is reduced modulo 65536, and a minus
  // sign negates it modulo 65536 as the C library's "%u" does. When no digit
  // follows (a sign included) nothing is consumed and `value` keeps its value.
  TScanStatus ReadUnsigned(std::uint16_t& value);

  // As ReadUnsigned, for a signed number reduced modulo 2^32.
  TScanStatus ReadSigned(std::int32_t& value);

  // Where the last number read began and how long it was.
  std::size_t NumberOffset() const { return number_offset_; }
  std::size_t NumberLength() const { return number_length_; }

  // Byte offset of the reading position from the start of the input.
  std::size_t Offset() const;

 private:
  // Makes at least `count` bytes available from the reading position unless
  // the input ends first; returns whether they are there.
  bool Ensure(std::size_t count);
  // Moves the bytes from `keep` on to the front of the buffer and reads more.
  bool Refill(const char* keep);
  bool SkipSpace();
  // Reads sign and digits; `negative` tells whether a minus sign stood first.
  TScanStatus ReadMagnitude(std::uint32_t& magnitude, bool& negative);

  const char* cur_ = nullptr;
  const char* end_ = nullptr;
  const char* base_ = nullptr;   // what offset base_offset_ corresponds to
  std::size_t base_offset_ = 0;
  std::istream* in_ = nullptr;
  std::unique_ptr<char[]> buffer_;
  std::size_t number_offset_ = 0;
  std::size_t number_length_ = 0;
};

}  // namespace ign
