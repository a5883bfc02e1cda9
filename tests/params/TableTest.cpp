// The format's tables against the format itself: every byte of the set has
// one place in each version, and a value put into a version-2005 file comes
// out on the version-2006 line that carries its key's label.
#include <gtest/gtest.h>

#include <cstddef>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "params/Convert.h"
#include "params/KeyTable.h"
#include "params/Layout2006.h"
#include "params/New.h"
#include "tests/params/FilledSet.h"

namespace ign {
namespace {

constexpr std::size_t kMatchedOffset = offsetof(TParameterSet, version_matched);

// Per byte of the set: which field it belongs to and how each version uses it.
struct TBytePlace {
  int read = 0;
  int written = 0;
  std::string_view read_field, written_field;
  TEncoding read_encoding{}, written_encoding{};
};

std::vector<TBytePlace> Places() {
  std::vector<TBytePlace> places(sizeof(TParameterSet));
  for (const TKeyRule& key : KeyTable()) {
    for (const TFieldRun& run : key.Runs()) {
      for (unsigned i = 0; i < run.count; ++i) {
        TBytePlace& place = places[run.offset + i];
        ++place.read;
        place.read_field = run.field;
        place.read_encoding = run.encoding;
      }
    }
  }
  for (const TLayoutLine& line : kLayout2006) {
    for (const TFieldRun& run : line.Runs()) {
      for (unsigned i = 0; i < run.count; ++i) {
        TBytePlace& place = places[run.offset + i];
        ++place.written;
        place.written_field = run.field;
        place.written_encoding = run.encoding;
      }
    }
  }
  return places;
}

TEST(Tables, EveryByteIsReadOnceAndWrittenOnceOrDropped) {
  const std::vector<TBytePlace> places = Places();
  for (std::size_t offset = 0; offset < places.size(); ++offset) {
    const TBytePlace& place = places[offset];
    if (offset == kMatchedOffset) {
      EXPECT_EQ(place.read + place.written, 0) << "version_matched is no parameter";
      continue;
    }
    ASSERT_EQ(place.read, 1) << "byte " << offset;
    const bool dropped = FateOf(offset) == TFate::kDropped;
    ASSERT_EQ(place.written, dropped ? 0 : 1) << place.read_field << " byte " << offset;
    if (dropped) continue;
    EXPECT_EQ(place.written_field, place.read_field) << "byte " << offset;
    EXPECT_EQ(place.written_encoding, place.read_encoding) << place.read_field;
  }
  // A fate covers one whole field.
  for (const TFieldFate& fate : kFates) {
    const std::string_view field = places[fate.offset].read_field;
    std::size_t bytes = 0;
    for (const TBytePlace& place : places) bytes += place.read_field == field ? 1 : 0;
    EXPECT_EQ(bytes, fate.count) << field;
    EXPECT_EQ(places[fate.offset + fate.count - 1u].read_field, field);
  }
}

TEST(Tables, NamesAreUnique) {
  std::set<std::string_view> keys_2005, keys_2006;
  for (const TKeyRule& key : KeyTable()) {
    EXPECT_TRUE(keys_2005.insert(key.name).second) << key.name;
    EXPECT_EQ(FindKey(key.name), &key);
  }
  for (const TLayoutLine& line : kLayout2006) {
    if (line.lead != TLead::kKey) continue;
    EXPECT_TRUE(keys_2006.insert(line.key).second) << line.key;
    EXPECT_LE(line.key.size(), kLabelWidth - 1) << line.key;
  }
  EXPECT_EQ(keys_2005.count(kVersionKey) + keys_2006.count(kVersionKey), 0u);
  EXPECT_EQ(keys_2005.size(), 52u);
  EXPECT_EQ(keys_2006.size(), 50u);
}

TEST(Tables, EncodingsReadBackWhatTheyPrint) {
  for (std::size_t e = 0; e < kEncodings.size(); ++e) {
    const auto encoding = static_cast<TEncoding>(e);
    for (int b = 0; b < 256; ++b) {
      const auto byte = static_cast<std::uint8_t>(b);
      const int value = FileValueOf(encoding, byte);
      EXPECT_GE(value, LowestValueOf(encoding));
      EXPECT_LE(value, HighestValueOf(encoding));
      switch (RuleOf(encoding).cell) {
        case TCellKind::kNumber:
          // Every number of the byte's step reads back as the byte.
          for (int extra = 0; extra < StepOf(encoding); ++extra) {
            ASSERT_EQ(EncodeValue(encoding, value + extra), byte) << e << " " << value + extra;
          }
          break;
        case TCellKind::kSwitch:
          EXPECT_EQ(value, b != 0 ? 1 : 0);
          EXPECT_EQ(EncodeValue(encoding, value), value);
          break;
        case TCellKind::kNegatedSwitch:
          EXPECT_EQ(EncodeValue(encoding, value), b != 0 ? 1 : 0);
          break;
      }
    }
  }
}

TEST(Tables, AdjustmentChangesTheFieldsItsFateSays) {
  const std::vector<TBytePlace> places = Places();
  for (std::uint8_t fill : {0, 7, 100, 255}) {
    TParameterSet set = FilledSet(fill);
    const TParameterSet before = set;
    AdjustFor2006(set);
    for (std::size_t offset = 0; offset < sizeof set; ++offset) {
      if (reinterpret_cast<const std::uint8_t*>(&set)[offset] !=
          reinterpret_cast<const std::uint8_t*>(&before)[offset]) {
        EXPECT_NE(FateOf(offset), TFate::kKept) << places[offset].read_field;
      }
    }
  }
  // A full set shows every replaced and lowered field changing.
  TParameterSet set = FilledSet(255);
  AdjustFor2006(set);
  for (std::size_t offset = 0; offset < sizeof set; ++offset) {
    const bool changed = reinterpret_cast<const std::uint8_t*>(&set)[offset] != 255;
    const TFate fate = FateOf(offset);
    if (offset != kMatchedOffset) {
      EXPECT_EQ(changed, fate == TFate::kReplaced || fate == TFate::kLowered)
          << places[offset].read_field;
    }
  }
}

std::vector<std::string> LinesOf(const std::string& file) {
  std::vector<std::string> lines;
  std::size_t begin = 0;
  for (std::size_t at; (at = file.find("\r\n", begin)) != std::string::npos; begin = at + 2) {
    lines.push_back(file.substr(begin, at - begin));
  }
  return lines;
}

// The numbers that follow `label` in `file`: on its line and on the rows
// below it that start with no key.
std::vector<int> NumbersAfter(const std::string& file, std::string_view label) {
  const std::vector<std::string> lines = LinesOf(file);
  std::vector<int> numbers;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].rfind(std::string(label) + " ", 0) != 0) continue;
    std::istringstream first(lines[i].substr(label.size()));
    for (int n; first >> n;) numbers.push_back(n);
    for (std::size_t j = i + 1;
         j < lines.size() && !lines[j].empty() && !(lines[j][0] >= 'A' && lines[j][0] <= 'Z');
         ++j) {
      std::istringstream row(lines[j]);
      for (int n; row >> n;) numbers.push_back(n);
    }
    break;
  }
  return numbers;
}

// The key under which version 2006 writes the field that holds byte `offset`
// of the set, or an empty view for a dropped field.
std::string_view Key2006At(std::size_t offset) {
  std::string_view key;
  for (const TLayoutLine& line : kLayout2006) {
    if (line.lead == TLead::kKey) key = line.key;
    for (const TFieldRun& run : line.Runs()) {
      if (offset >= run.offset && offset < std::size_t{run.offset} + run.count) return key;
    }
  }
  return {};
}

// A value of `encoding` for position `index` that its neighbours do not share.
int DistinctValue(TEncoding encoding, unsigned index, unsigned seed) {
  if (RuleOf(encoding).cell != TCellKind::kNumber) return static_cast<int>((index + seed) % 2);
  return FileValueOf(encoding, static_cast<std::uint8_t>((index * 7 + seed * 13 + 1) % 199));
}

TEST(Tables, EveryValueArrivesOnTheLineOfItsKey) {
  for (unsigned seed : {0u, 1u}) {
    for (const TKeyRule& key : KeyTable()) {
      std::string text = std::string(kVersionKey) + " 37\n" + std::string(key.name);
      for (unsigned i = 0; i < key.value_count; ++i) {
        text += " " + std::to_string(DistinctValue(SlotOf(key, i).run->encoding, i, seed));
      }
      std::string file;
      TParameterSet written;
      ASSERT_TRUE(ConvertFresh(text, file, nullptr, &written));

      const std::string_view label = Key2006At(SlotOf(key, 0).offset);
      if (FateOf(SlotOf(key, 0).offset) == TFate::kDropped) {
        EXPECT_TRUE(label.empty()) << key.name;
        std::string without;
        ConvertFresh(std::string(kVersionKey) + " 37", without);
        EXPECT_EQ(file, without) << key.name << " leaves a trace";
        continue;
      }
      const std::vector<int> numbers = NumbersAfter(file, label);
      ASSERT_EQ(numbers.size(), key.value_count) << key.name << " as " << label;
      for (unsigned i = 0; i < key.value_count; ++i) {
        const TValueSlot slot = SlotOf(key, i);
        const int value = DistinctValue(slot.run->encoding, i, seed);
        const int expected = FileValueOf(
            slot.run->encoding, reinterpret_cast<const std::uint8_t*>(&written)[slot.offset]);
        if (FateOf(slot.offset) == TFate::kKept) {
          EXPECT_EQ(expected, value) << key.name;
        }
        EXPECT_EQ(numbers[i], expected) << key.name << " position " << i;
      }
    }
  }
  EXPECT_EQ(Key2006At(offsetof(TParameterSet, gain)), "GAIN");
}

}  // namespace
}  // namespace ign
