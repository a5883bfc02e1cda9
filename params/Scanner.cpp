#include "params/Scanner.h"

#include <array>
#include <cstring>

namespace ign {
namespace {

constexpr std::size_t kBufferSize = 64 * 1024;
static_assert(kBufferSize > 2 * (TScanner::kMaxToken + 1));

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

TScanner::TScanner(std::string_view text)
    : cur_(text.data()), end_(text.data() + text.size()), base_(text.data()) {}

TScanner::TScanner(std::istream& in) : in_(&in), buffer_(new char[kBufferSize]) {
  cur_ = end_ = base_ = buffer_.get();
}

TScanner::~TScanner() = default;

std::size_t TScanner::Offset() const {
  return base_offset_ + static_cast<std::size_t>(cur_ - base_);
}

bool TScanner::Refill(const char* keep) {
  if (in_ == nullptr || !*in_) return false;
  const std::size_t kept = static_cast<std::size_t>(end_ - keep);
  base_offset_ += static_cast<std::size_t>(keep - base_);
  char* front = buffer_.get();
  std::memmove(front, keep, kept);
  cur_ = front + (cur_ - keep);
  base_ = front;
  in_->read(front + kept, static_cast<std::streamsize>(kBufferSize - kept));
  const auto got = static_cast<std::size_t>(in_->gcount());
  end_ = front + kept + got;
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
    while (cur_ != end_ && IsSpace(*cur_)) ++cur_;
    if (cur_ != end_) return true;
    if (!Refill(cur_)) return false;
  }
}

bool TScanner::ReadToken(TToken& token) {
  if (!SkipSpace()) return false;
  token.offset = Offset();
  const char* start = cur_;
  std::size_t dropped = 0;  // characters of an overlong token no longer held
  for (;;) {
    while (cur_ != end_ && !IsSpace(*cur_)) ++cur_;
    if (cur_ != end_ || in_ == nullptr) break;
    // The token reaches the end of the buffer: keep it while it may still be
    // a key, otherwise let its characters go and only count them.
    if (static_cast<std::size_t>(cur_ - start) > kMaxToken) {
      dropped += static_cast<std::size_t>(cur_ - start);
      start = cur_;
    }
    if (!Refill(start)) break;
    start = base_;
  }
  token.length = dropped + static_cast<std::size_t>(cur_ - start);
  token.too_long = token.length > kMaxToken;
  token.text = token.too_long ? std::string_view() : std::string_view(start, token.length);
  return true;
}

TScanStatus TScanner::ReadMagnitude(std::uint32_t& magnitude, bool& negative) {
  if (!SkipSpace()) return TScanStatus::kEndOfInput;
  std::size_t sign = 0;
  negative = false;
  if (*cur_ == '-' || *cur_ == '+') {
    negative = *cur_ == '-';
    sign = 1;
  }
  if (!Ensure(sign + 1) || !IsDigit(cur_[sign])) return TScanStatus::kNotANumber;
  number_offset_ = Offset();
  cur_ += sign;
  std::uint32_t value = 0;  // wraps modulo 2^32, which keeps every lower modulus exact
  std::size_t length = sign;
  for (;;) {
    const char* digits = cur_;
    while (cur_ != end_ && IsDigit(*cur_)) {
      value = value * 10u + static_cast<std::uint32_t>(*cur_ - '0');
      ++cur_;
    }
    length += static_cast<std::size_t>(cur_ - digits);
    if (cur_ != end_ || !Refill(cur_)) break;
  }
  number_length_ = length;
  magnitude = value;
  return TScanStatus::kNumber;
}

TScanStatus TScanner::ReadUnsigned(std::uint16_t& value) {
  std::uint32_t magnitude = 0;
  bool negative = false;
  const TScanStatus status = ReadMagnitude(magnitude, negative);
  if (status == TScanStatus::kNumber) {
    value = static_cast<std::uint16_t>(negative ? 0u - magnitude : magnitude);
  }
  return status;
}

TScanStatus TScanner::ReadSigned(std::int32_t& value) {
  std::uint32_t magnitude = 0;
  bool negative = false;
  const TScanStatus status = ReadMagnitude(magnitude, negative);
  if (status == TScanStatus::kNumber) {
    value = static_cast<std::int32_t>(negative ? 0u - magnitude : magnitude);
  }
  return status;
}

}  // namespace ign
