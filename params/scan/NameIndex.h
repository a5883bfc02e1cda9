// Finding which of a fixed list of names a token is, in constant time: one
// hash of the token's length and three of its bytes picks the only name it
// can be, and one compare settles it. Tokens are mostly names or stray words,
// so this beats a walk through the list on every token.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace ign {

template <std::size_t kCount>
class TNameIndex {
  static_assert(kCount > 0 && kCount < 255, "a slot holds a name's position in one byte");

 public:
  static constexpr std::size_t kNone = kCount;

  // Built at compile time with the first multiplier under which no two of
  // `names` share a slot, so the index follows the list whatever it holds.
  // The names must be distinct and at least two bytes long, and they must
  // outlive the index.
  constexpr explicit TNameIndex(const std::array<std::string_view, kCount>& names) : names_(names) {
    for (const std::string_view name : names) {
      if (name.size() < 2) throw "a name needs two bytes for its signature";
      shortest_ = name.size() < shortest_ ? name.size() : shortest_;
      longest_ = name.size() > longest_ ? name.size() : longest_;
    }
    for (std::uint32_t candidate = 0x9E3779B1u;; candidate += 2 * 0x61C88647u) {
      slots_.fill(kEmpty);
      bool clash = false;
      for (std::size_t i = 0; i < kCount && !clash; ++i) {
        std::uint8_t& slot = slots_[Slot(Signature(names[i]), candidate)];
        clash = slot != kEmpty;
        slot = static_cast<std::uint8_t>(i);
      }
      if (!clash) {
        multiplier_ = candidate;
        return;
      }
    }
  }

  // The position in the names of the one that is exactly `token`, or kNone.
  std::size_t Find(std::string_view token) const {
    if (token.size() < shortest_ || token.size() > longest_) return kNone;
    const std::uint8_t index = slots_[Slot(Signature(token), multiplier_)];
    if (index == kEmpty) return kNone;
    const std::string_view name = names_[index];
    if (name.size() != token.size() || std::memcmp(name.data(), token.data(), token.size()) != 0) {
      return kNone;
    }
    return index;
  }

 private:
  static constexpr unsigned kSlotBits = 9;  // room enough that a free multiplier comes soon
  static constexpr std::uint8_t kEmpty = 0xFF;

  static constexpr std::uint32_t Signature(std::string_view name) {
    const auto byte = [&](std::size_t i) {
      return static_cast<std::uint32_t>(static_cast<std::uint8_t>(name[i]));
    };
    return static_cast<std::uint32_t>(name.size()) | byte(0) << 8 | byte(name.size() - 2) << 16 |
           byte(name.size() - 1) << 24;
  }

  static constexpr unsigned Slot(std::uint32_t signature, std::uint32_t multiplier) {
    return (signature * multiplier) >> (32 - kSlotBits);
  }

  std::array<std::string_view, kCount> names_;
  std::array<std::uint8_t, std::size_t{1} << kSlotBits> slots_{};
  std::uint32_t multiplier_ = 0;
  std::size_t shortest_ = static_cast<std::size_t>(-1);
  std::size_t longest_ = 0;
};

}  // namespace ign
