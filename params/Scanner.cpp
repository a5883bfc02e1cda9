#include "params/Scanner.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "params/Swar.h"

namespace ign {
namespace {

constexpr std::size_t kBufferSize = 64 * 1024;
// Zero bytes after the data: no white space and no digit, so the eight-byte
// reads of the fast paths may look past the end and still stop there.
constexpr std::size_t kPadding = 8;
constexpr std::size_t kMinBuffer = 4 * (TScanner::kMaxToken + 1);

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

// Even text in memory is scanned from a buffer of the scanner's own: that is
// what gives every read its padding, and a whole file fits in one copy.
TScanner::TScanner(std::string_view text)
    : rest_(text), capacity_(std::clamp(text.size(), kMinBuffer, kBufferSize)) {
  buffer_.reset(new char[capacity_ + kPadding]);
  cur_ = end_ = base_ = buffer_.get();
  std::memset(buffer_.get(), 0, kPadding);
  Refill(cur_);
}

TScanner::TScanner(std::istream& in) : in_(&in), capacity_(kBufferSize) {
  buffer_.reset(new char[capacity_ + kPadding]);
  cur_ = end_ = base_ = buffer_.get();
  std::memset(buffer_.get(), 0, kPadding);
  Refill(cur_);
}

TScanner::~TScanner() = default;

bool TScanner::Refill(const char* keep) {
  if (in_ == nullptr ? rest_.empty() : !*in_) return false;
  const std::size_t kept = static_cast<std::size_t>(end_ - keep);
  char* front = buffer_.get();
  base_offset_ += static_cast<std::size_t>(keep - base_);
  std::memmove(front, keep, kept);
  cur_ = front + (cur_ - keep);
  base_ = front;
  std::size_t got = 0;
  const std::size_t room = capacity_ - kept;
  if (in_ != nullptr) {
    in_->read(front + kept, static_cast<std::streamsize>(room));
    got = static_cast<std::size_t>(in_->gcount());
  } else {
    got = std::min(room, rest_.size());
    std::memcpy(front + kept, rest_.data(), got);
    rest_.remove_prefix(got);
  }
  end_ = front + kept + got;
  std::memset(const_cast<char*>(end_), 0, kPadding);
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

unsigned TScanner::ReadNumbers(std::uint32_t* values, unsigned count, TScanStatus& stop,
                               TSpan* spans) {
  // Most values are a few blanks and a short unsigned number well inside the
  // buffer: those are read eight bytes at a time with the position kept in a
  // register. Anything else goes the long way.
  const char* p = cur_;
  unsigned read = 0;
  stop = TScanStatus::kNumber;
  while (read < count) {
    // Room for two eight-byte reads past any run of up to eight blanks.
    bool fast = false;
    std::uint64_t word = 0;
    unsigned digits = 0;
    for (;;) {
      if (end_ - p < 24) break;
      const unsigned blanks = swar::LeadingRun(swar::SpaceMask(swar::Load(p)));
      p += blanks;
      if (blanks < 8) {
        word = swar::Load(p);
        digits = swar::LeadingRun(swar::DigitMask(word));
        fast = digits != 0 && digits != 8;
        break;
      }
    }
    if (fast) {
      values[read] = swar::ParseDigits(word, digits);
      if (spans != nullptr) spans[read] = {OffsetOf(p), digits};
      p += digits;
      ++read;
      continue;
    }
    cur_ = p;
    TSpan span{};
    stop = ReadNumberSlow(values[read], span);
    p = cur_;
    if (stop != TScanStatus::kNumber) break;
    if (spans != nullptr) spans[read] = span;
    ++read;
  }
  cur_ = p;
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
