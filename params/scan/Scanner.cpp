#include "params/scan/Scanner.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

namespace ign {
namespace {

constexpr std::size_t kBlock = 64;
static_assert(TScanner::kMaxToken < 1024, "a window holds a kept token and more");

// White space of the C locale: blank, tab, line feed, vertical tab, form feed
// and carriage return. Every other byte, 8-bit ones included, is token text.
constexpr std::array<bool, 256> kSpace = [] {
  std::array<bool, 256> table{};
  for (unsigned char c : {' ', '\t', '\n', '\v', '\f', '\r'}) table[c] = true;
  return table;
}();

inline bool IsSpace(char c) { return kSpace[static_cast<unsigned char>(c)]; }
inline bool IsDigit(char c) { return static_cast<unsigned char>(c - '0') < 10; }

}  // namespace

// Text in memory is read where it lies: no copy, and the window simply
// moves on. The bitmaps cover the last partial block through a copy of its
// bytes, so no read goes past the text.
TScanner::TScanner(std::string_view text)
    : cur_(text.data()),
      end_(text.data() + std::min(text.size(), kWindow)),
      base_(text.data()),
      text_end_(text.data() + text.size()),
      classify_(ClassifierFor(CurrentSimdPath())),
      read_runs_(RunReaderFor(CurrentSimdPath())) {
  Classify();
}

TScanner::TScanner(std::istream& in)
    : cur_(buffer_),
      end_(buffer_),
      base_(buffer_),
      in_(&in),
      classify_(ClassifierFor(CurrentSimdPath())),
      read_runs_(RunReaderFor(CurrentSimdPath())) {
  Refill(cur_);
}

TScanner::~TScanner() = default;

void TScanner::Classify() {
  // Every whole block, then the block that holds the first byte past the
  // window, with zeros after the window's last byte: neither white space nor
  // digits, so every run ends there at the latest.
  const std::size_t size = static_cast<std::size_t>(end_ - base_);
  const std::size_t whole = size / kBlock;
  blocks_ = whole + 1;
  classify_(base_, whole, other_, digit_);
  char last[kBlock] = {};
  if (size > whole * kBlock) std::memcpy(last, base_ + whole * kBlock, size - whole * kBlock);
  classify_(last, 1, other_ + whole, digit_ + whole);
  // A run of digits starts where a digit follows a byte that is none, and
  // ends where a digit precedes one. One more block lets the cursors of the
  // number loop step past the last: a first digit there stops them.
  std::uint64_t before = 0;
  for (std::size_t block = 0; block < blocks_; ++block) {
    const std::uint64_t digit = digit_[block];
    const std::uint64_t after = block + 1 < blocks_ ? digit_[block + 1] : 0;
    run_firsts_[block] = digit & ~((digit << 1) | (before >> 63));
    run_lasts_[block] = digit & ~((digit >> 1) | (after << 63));
    before = digit;
  }
  run_firsts_[blocks_] = 1;
  run_lasts_[blocks_] = 0;
}

std::size_t TScanner::NextOther(std::size_t at) const {
  // The bytes past the window are neither, so this ends at its end.
  std::uint64_t bits = other_[at / kBlock] >> (at % kBlock);
  while (bits == 0) {
    at = (at | (kBlock - 1)) + 1;
    bits = other_[at / kBlock];
  }
  return at + static_cast<std::size_t>(std::countr_zero(bits));
}

bool TScanner::Refill(const char* keep) {
  if (in_ == nullptr) {
    if (end_ == text_end_) return false;
    base_offset_ += static_cast<std::size_t>(keep - base_);
    base_ = keep;
    end_ = keep + std::min(static_cast<std::size_t>(text_end_ - keep), kWindow);
    Classify();
    return true;
  }
  if (!*in_) return false;
  const std::size_t kept = static_cast<std::size_t>(end_ - keep);
  base_offset_ += static_cast<std::size_t>(keep - base_);
  std::memmove(buffer_, keep, kept);
  cur_ = buffer_ + (cur_ - keep);
  base_ = buffer_;
  in_->read(buffer_ + kept, static_cast<std::streamsize>(kWindow - kept));
  const std::size_t got = static_cast<std::size_t>(in_->gcount());
  end_ = buffer_ + kept + got;
  Classify();
  return got > 0;
}

bool TScanner::Ensure(std::size_t count) {
  while (static_cast<std::size_t>(end_ - cur_) < count) {
    if (!Refill(cur_)) return false;
  }
  return true;
}

bool TScanner::SkipSpace() {
  for (;;) {
    // Locals, not members, in the loops: the compiler keeps them in registers
    // instead of storing the position after every byte.
    const char* p = cur_;
    const char* const end = end_;
    while (p != end && IsSpace(*p)) ++p;
    cur_ = p;
    if (p != end) return true;
    if (!Refill(p)) return false;
  }
}

bool TScanner::ReadToken(TToken& token) {
  if (!SkipSpace()) return false;
  token.offset = Offset();
  const char* start = cur_;
  std::size_t dropped = 0;  // characters of an overlong token no longer held
  for (;;) {
    const char* p = cur_;
    const char* const end = end_;
    while (p != end && !IsSpace(*p)) ++p;
    cur_ = p;
    if (p != end) break;
    // The token reaches the end of the buffer: keep it while it may still be
    // a key, otherwise let its characters go and only count them.
    if (static_cast<std::size_t>(p - start) > kMaxToken) {
      dropped += static_cast<std::size_t>(p - start);
      start = p;
    }
    // A refill may move the kept characters to the front of the buffer.
    const std::size_t start_offset = OffsetOf(start);
    const bool more = Refill(start);
    start = base_ + (start_offset - base_offset_);
    if (!more) break;
  }
  token.length = dropped + static_cast<std::size_t>(cur_ - start);
  token.too_long = token.length > kMaxToken;
  token.text = token.too_long ? std::string_view() : std::string_view(start, token.length);
  return true;
}

TScanStatus TScanner::ReadNumberSlow(std::uint32_t& value, TSpan& span) {
  if (!SkipSpace()) return TScanStatus::kEndOfInput;
  const bool negative = *cur_ == '-';
  const std::size_t sign = (negative || *cur_ == '+') ? 1 : 0;
  if (!Ensure(sign + 1) || !IsDigit(cur_[sign])) return TScanStatus::kNotANumber;
  span.offset = Offset();
  cur_ += sign;
  std::uint32_t magnitude = 0;  // wraps modulo 2^32, which keeps every lower modulus exact
  std::size_t length = sign;
  for (;;) {
    const char* p = cur_;
    const char* const end = end_;
    while (p != end && IsDigit(*p)) {
      magnitude = magnitude * 10u + static_cast<std::uint32_t>(*p - '0');
      ++p;
    }
    length += static_cast<std::size_t>(p - cur_);
    cur_ = p;
    if (p != end || !Refill(p)) break;
  }
  span.length = length;
  value = negative ? 0u - magnitude : magnitude;
  return TScanStatus::kNumber;
}

unsigned TScanner::ReadNumbersFast(std::uint32_t* values, unsigned count, TSpan* spans) {
  // Between two numbers there may be only white space: nothing else comes
  // before the first byte that is neither, found once. A number is parsed
  // from an eight-byte load, so one that starts in the last eight bytes of
  // the window goes the long way.
  const std::size_t size = static_cast<std::size_t>(end_ - base_);
  std::size_t at = static_cast<std::size_t>(cur_ - base_);
  const TRunWindow window{base_, run_firsts_, run_lasts_,
                          std::min(NextOther(at), size > 8 ? size - 8 : 0)};
  const unsigned read = read_runs_(window, at, values, count, spans);
  cur_ = base_ + at;
  if (spans != nullptr) {
    for (unsigned i = 0; i < read; ++i) spans[i].offset += base_offset_;
  }
  return read;
}

unsigned TScanner::ReadNumbers(std::uint32_t* values, unsigned count, TScanStatus& stop,
                               TSpan* spans) {
  unsigned read = 0;
  stop = TScanStatus::kNumber;
  for (;;) {
    read += ReadNumbersFast(values + read, count - read, spans != nullptr ? spans + read : nullptr);
    if (read == count) break;
    TSpan span{};
    stop = ReadNumberSlow(values[read], span);
    if (stop != TScanStatus::kNumber) break;
    if (spans != nullptr) spans[read] = span;
    if (++read == count) break;
  }
  return read;
}

TScanStatus TScanner::ReadUnsigned(std::uint16_t& value) {
  std::uint32_t number = 0;
  TScanStatus status;
  if (ReadNumbers(&number, 1, status) == 1) value = static_cast<std::uint16_t>(number);
  return status;
}

TScanStatus TScanner::ReadSigned(std::int32_t& value) {
  std::uint32_t number = 0;
  TScanStatus status;
  if (ReadNumbers(&number, 1, status) == 1) value = static_cast<std::int32_t>(number);
  return status;
}

}  // namespace ign
