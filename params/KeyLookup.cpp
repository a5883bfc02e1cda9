#include "params/KeyLookup.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace ign {
namespace {

constexpr unsigned kSlotBits = 9;  // 512 slots for 52 keys: a free multiplier comes soon
constexpr std::uint8_t kEmpty = 0xFF;
// Every key is 3 to 12 characters long, so the first and the last two bytes
// always exist; no other token can be a key.
constexpr std::size_t kShortest = 3;
constexpr std::size_t kLongest = 12;

std::uint32_t Signature(std::string_view name) {
  const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(name[i]); };
  return static_cast<std::uint32_t>(name.size()) | byte(0) << 8 | byte(name.size() - 2) << 16 |
         static_cast<std::uint32_t>(byte(name.size() - 1)) << 24;
}

unsigned Slot(std::uint32_t signature, std::uint32_t multiplier) {
  return (signature * multiplier) >> (32 - kSlotBits);
}

// The slot table is built on first use from the key table itself, with the
// first multiplier under which no two keys share a slot, so it follows the
// table whatever it holds.
struct TSlots {
  std::uint32_t multiplier = 0;
  std::array<std::uint8_t, 1u << kSlotBits> key{};

  TSlots() {
    const auto keys = KeyTable();
    for (std::uint32_t candidate = 0x9E3779B1u;; candidate += 2 * 0x61C88647u) {
      key.fill(kEmpty);
      bool clash = false;
      for (std::size_t i = 0; i < keys.size() && !clash; ++i) {
        std::uint8_t& slot = key[Slot(Signature(keys[i].name), candidate)];
        clash = slot != kEmpty;
        slot = static_cast<std::uint8_t>(i);
      }
      if (!clash) {
        multiplier = candidate;
        return;
      }
    }
  }
};

const TSlots& Slots() {
  static const TSlots slots;
  return slots;
}

}  // namespace

const TKeyRule* LookUpKey(std::string_view token) {
  if (token.size() < kShortest || token.size() > kLongest) return nullptr;
  const TSlots& slots = Slots();
  const std::uint8_t index = slots.key[Slot(Signature(token), slots.multiplier)];
  if (index == kEmpty) return nullptr;
  const TKeyRule& key = KeyTable()[index];
  if (key.name.size() != token.size() ||
      std::memcmp(key.name.data(), token.data(), token.size()) != 0) {
    return nullptr;
  }
  return &key;
}

}  // namespace ign
