#include "params/Scanner.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

#include "params/Classify.h"
#include "params/Swar.h"

namespace ign {
namespace {

constexpr std::size_t kBufferSize = 64 * 1024;
// Zero bytes after the data: no white space and no digit, so every run ends
// there at the latest and the eight-byte reads may look past the end. The
// classification reads whole 64-byte blocks, hence the size.
constexpr std::size_t kBlock = 64;
constexpr std::size_t kPadding = kBlock + 8;
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
  Allocate();
  Refill(cur_);
}

TScanner::TScanner(std::istream& in) : in_(&in), capacity_(kBufferSize) {
  Allocate();
  Refill(cur_);
}

TScanner::~TScanner() = default;

void TScanner::Allocate() {
  buffer_.reset(new char[capacity_ + kPadding]);
  const std::size_t blocks = (capacity_ + kPadding) / kBlock + 3;
  other_.reset(new std::uint64_t[blocks]());
  digit_.reset(new std::uint64_t[blocks]());
  cur_ = end_ = base_ = buffer_.get();
  std::memset(buffer_.get(), 0, kPadding);
  Classify();
}

void TScanner::Classify() {
  const char* const front = buffer_.get();
  // Every block up to the one that holds the first padding byte, and the
  // digit bits of one more block, all zero, to close the last run.
  blocks_ = static_cast<std::size_t>(end_ - front) / kBlock + 1;
  for (std::size_t block = 0; block < blocks_; ++block) {
    const TBlockBits bits = ClassifyBlock(front + block * kBlock);
    other_[block] = ~(bits.space | bits.digit);
    digit_[block + 1] = bits.digit;
  }
  digit_[blocks_ + 1] = 0;
}

// A run of digits starts where a digit follows a byte that is none.
std::uint64_t TScanner::RunFirsts(std::size_t block) const {
  const std::uint64_t digit = digit_[block + 1];
  return digit & ~((digit << 1) | (digit_[block] >> 63));
}

// And it ends where a digit precedes a byte that is none.
std::uint64_t TScanner::RunLasts(std::size_t block) const {
  const std::uint64_t digit = digit_[block + 1];
  return digit & ~((digit >> 1) | (digit_[block + 2] << 63));
}

std::size_t TScanner::NextOther(std::size_t at) const {
  // The padding is neither, so this ends at the end of the data.
  std::uint64_t bits = other_[at / kBlock] >> (at % kBlock);
  while (bits == 0) {
    at = (at | (kBlock - 1)) + 1;
    bits = other_[at / kBlock];
  }
  return at + static_cast<std::size_t>(std::countr_zero(bits));
}

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
  return spans != nullptr ? ReadNumbersFast<true>(values, count, spans)
                          : ReadNumbersFast<false>(values, count, spans);
}

template <bool kWithSpans>
unsigned TScanner::ReadNumbersFast(std::uint32_t* values, unsigned count, TSpan* spans) {
  // Two cursors walk the first and the last digits of the runs of digits in
  // the buffer. They move on by clearing one bit, so finding the next number
  // does not wait for the arithmetic of the one before. Between two numbers
  // there may be only white space: nothing else comes before the first byte
  // that is neither, found once.
  const char* const front = buffer_.get();
  const std::size_t end = static_cast<std::size_t>(end_ - front);
  std::size_t at = static_cast<std::size_t>(cur_ - front);
  const std::size_t other = NextOther(at);
  const std::uint64_t from_here = ~std::uint64_t{0} << (at % kBlock);
  std::size_t first_block = at / kBlock, last_block = first_block;
  std::uint64_t firsts = RunFirsts(first_block) & from_here;
  std::uint64_t lasts = RunLasts(last_block) & from_here;
  unsigned read = 0;
  while (read < count) {
    while (firsts == 0) {
      if (++first_block >= blocks_) goto done;
      firsts = RunFirsts(first_block);
    }
    while (lasts == 0) {
      if (++last_block >= blocks_) goto done;
      lasts = RunLasts(last_block);
    }
    const std::size_t first =
        first_block * kBlock + static_cast<std::size_t>(std::countr_zero(firsts));
    const std::size_t past =
        last_block * kBlock + static_cast<std::size_t>(std::countr_zero(lasts)) + 1;
    // A sign, a word or anything else before the digits, a long number, or
    // one that may go on after the next refill: the long way.
    if (other < first || past - first > 8 || past >= end) break;
    values[read] = swar::ParseDigits(swar::Load(front + first), static_cast<unsigned>(past - first));
    if constexpr (kWithSpans) spans[read] = {OffsetOf(front + first), past - first};
    firsts &= firsts - 1;
    lasts &= lasts - 1;
    at = past;
    ++read;
  }
done:
  cur_ = front + at;
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
