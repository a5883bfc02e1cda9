#include <cstdint>

#include "params/KeyTable.h"
#include "params/reference/Reference.h"

namespace ign::reference {
namespace {

class TPlainScanner {
 public:
  explicit TPlainScanner(std::string_view text) : text_(text) {}

  bool Token(std::string_view& token) {
    SkipSpace();
    if (at_ == text_.size()) return false;
    const std::size_t start = at_;
    while (at_ < text_.size() && !IsSpace(text_[at_])) ++at_;
    token = text_.substr(start, at_ - start);
    return true;
  }

  // A number modulo 2^32 with its sign applied; false when there is none,
  // and then nothing but white space is consumed.
  bool Number(std::uint32_t& value) {
    SkipSpace();
    std::size_t at = at_;
    bool negative = false;
    if (at < text_.size() && (text_[at] == '-' || text_[at] == '+')) negative = text_[at++] == '-';
    if (at == text_.size() || !IsDigit(text_[at])) return false;
    std::uint32_t magnitude = 0;
    while (at < text_.size() && IsDigit(text_[at]))
      magnitude = magnitude * 10 + static_cast<std::uint32_t>(text_[at++] - '0');
    at_ = at;
    value = negative ? 0u - magnitude : magnitude;
    return true;
  }

 private:
  static bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
  static bool IsDigit(char c) { return c >= '0' && c <= '9'; }
  void SkipSpace() {
    while (at_ < text_.size() && IsSpace(text_[at_])) ++at_;
  }

  std::string_view text_;
  std::size_t at_ = 0;
};

// The key named `token`, walking the table; tokens longer than 259
// characters are no keys whatever they begin with.
const TKeyRule* KeyNamed(std::string_view token) {
  if (token.size() > 259) return nullptr;
  for (const TKeyRule& key : KeyTable()) {
    if (key.name == token) return &key;
  }
  return nullptr;
}

}  // namespace

bool Read(std::string_view text, TParameterSet& set) {
  TPlainScanner scanner(text);
  std::uint16_t scanned = 0;
  std::int32_t signed_value = 0;
  std::uint32_t number = 0;
  std::string_view token;
  set.version_matched = false;
  while (!set.version_matched && scanner.Token(token)) {
    if (token != "ZANTROVA_KEY") continue;
    if (scanner.Number(number)) scanned = static_cast<std::uint16_t>(number);
    set.version_matched = scanned == 37;
  }
  if (!set.version_matched) return false;
  auto* bytes = reinterpret_cast<std::uint8_t*>(&set);
  while (scanner.Token(token)) {
    const TKeyRule* key = KeyNamed(token);
    if (key == nullptr) continue;
    for (unsigned index = 0; index < key->value_count; ++index) {
      const TValueSlot slot = SlotOf(*key, index);
      std::uint8_t& byte = bytes[slot.offset];
      if (key->IsSigned()) {
        if (scanner.Number(number)) signed_value = static_cast<std::int32_t>(number);
        byte = EncodeSigned(signed_value);
      } else {
        if (scanner.Number(number)) scanned = static_cast<std::uint16_t>(number);
        byte = EncodeUnsigned(slot.run->encoding, scanned);
      }
    }
  }
  return true;
}

}  // namespace ign::reference
