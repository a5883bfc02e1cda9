#include "cli/Reporter.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>
#include <tuple>

#include "params/KeyTable.h"
#include "params/New.h"

namespace ign {
namespace {

constexpr std::size_t kShownTokenLength = 40;

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Version 2006 has no row for these fields; the writer leaves them out.
bool IsDropped(const TSegment& segment) {
  return segment.field == "ref_frek" || segment.field == "knock_ca";
}

// The adjustment gives these fields fixed values whatever the file says.
bool IsReplaced(const TSegment& segment) {
  return segment.field == "gain" || segment.field == "time_const";
}

int StepOf(TEncoding encoding) {
  switch (encoding) {
    case TEncoding::kDiv5:
      return 5;
    case TEncoding::kDiv10:
      return 10;
    case TEncoding::kDiv20:
      return 20;
    case TEncoding::kDiv50:
      return 50;
    case TEncoding::kTps2:
      return 10;
    default:
      return 1;
  }
}

// The number as the file states it, sign included. Digits beyond any field's
// reach are clamped; such a number is out of range either way.
std::int64_t FileNumber(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  constexpr std::int64_t kClamp = std::int64_t{1} << 40;
  std::int64_t value = 0;
  for (char c : text) value = std::min<std::int64_t>(value * 10 + (c - '0'), kClamp);
  return negative ? -value : value;
}

// Why the reader made `written` of the file's `number`, when it differs. The
// bytes of a field cover FileValueOf(0) to FileValueOf(255) in steps; a
// number from there up to the next step is only rounded, anything else
// wrapped. A switch counts 0 and 1 as its range, so a 2 that is written as 1
// has wrapped too.
std::optional<TReason> ReadingReason(TEncoding encoding, std::int64_t number, int written) {
  if (number == written) return std::nullopt;
  const int a = FileValueOf(encoding, 0);
  const int b = FileValueOf(encoding, 255);
  const std::int64_t low = std::min(a, b);
  const std::int64_t high = std::max(a, b) + StepOf(encoding) - 1;
  return number < low || number > high ? TReason::kWrapped : TReason::kRounded;
}

std::uint8_t& ByteOf(TParameterSet& set, const TValueSlot& slot) {
  return reinterpret_cast<std::uint8_t*>(&set)[slot.offset];
}

std::uint8_t ByteOf(const TParameterSet& set, const TValueSlot& slot) {
  return reinterpret_cast<const std::uint8_t*>(&set)[slot.offset];
}

std::size_t KeyNumber(const TKeyRule& key) {
  return static_cast<std::size_t>(&key - KeyTable().data());
}

TChange MakeChange(std::optional<std::size_t> line, std::string_view key, TReason reason) {
  TChange change;
  change.line = line;
  change.key = std::string(key);
  change.reason = reason;
  return change;
}

TChange MakeValueChange(const TKeyRule& key, unsigned index, TReason reason) {
  TChange change = MakeChange(std::nullopt, key.name, reason);
  change.index = index;
  change.in_map = key.value_count == kMapColumns * 10;
  return change;
}

}  // namespace

struct TReporter::TRanked {
  std::size_t offset;  // where in the file the change was found
  TChange change;
};

TReporter::TReporter(std::string_view text) : text_(text), lines_(text) {
  AdjustFor2006(set_);  // the start values of a fresh run
}

void TReporter::OnTokenBeforeVersion(std::string_view token, std::size_t offset) {
  // Only keys matter here; headers and comments before the version are normal.
  if (FindKey(token) != nullptr) keys_before_version_.push_back({std::string(token), offset});
}

void TReporter::OnUnknownToken(std::string_view token, std::size_t offset) {
  unknown_tokens_.push_back({token.empty() ? TokenAt(offset) : std::string(token), offset});
}

void TReporter::OnKey(const TKeyRule& key, std::size_t offset) {
  occurrences_.push_back({&key, offset, {}});
  occurrences_.back().values.reserve(key.value_count);
}

void TReporter::OnValue(const TKeyRule& key, unsigned index, const TValueRead& read) {
  occurrences_.back().values.push_back(read);
  ByteOf(set_, SlotOf(key, index)) = read.stored;
}

std::string TReporter::TokenAt(std::size_t offset) const {
  std::size_t begin = std::min(offset, text_.size());
  while (begin < text_.size() && IsSpace(text_[begin])) ++begin;
  std::size_t end = begin;
  while (end < text_.size() && !IsSpace(text_[end])) ++end;
  if (end - begin > kShownTokenLength) {
    return std::string(text_.substr(begin, kShownTokenLength - 3)) + "...";
  }
  return std::string(text_.substr(begin, end - begin));
}

std::size_t TReporter::LastLine() const {
  std::size_t end = text_.size();
  while (end > 0 && IsSpace(text_[end - 1])) --end;
  return lines_.LineOf(end > 0 ? end - 1 : 0);
}

void TReporter::AddValueChanges(const TOccurrence& occurrence, const TParameterSet& written,
                                std::vector<TRanked>& changes) const {
  const TKeyRule& key = *occurrence.key;
  for (unsigned index = 0; index < occurrence.values.size(); ++index) {
    const TValueRead& read = occurrence.values[index];
    const TValueSlot slot = SlotOf(key, index);
    const TEncoding encoding = slot.segment->encoding;
    const int value_written = FileValueOf(encoding, ByteOf(written, slot));

    TChange change = MakeValueChange(key, index, TReason::kNotANumber);
    if (!IsDropped(*slot.segment)) change.to = std::to_string(value_written);
    std::size_t offset = read.offset;

    if (read.status == TScanStatus::kNotANumber) {
      change.line = lines_.LineOf(std::min(read.offset, text_.size()));
      change.from = TokenAt(read.offset);
    } else if (read.status == TScanStatus::kEndOfInput) {
      change.line = LastLine();
      change.reason = TReason::kEndOfFile;
      offset = text_.size();
    } else {
      change.line = lines_.LineOf(read.offset);
      change.from = std::string(text_.substr(read.offset, read.length));
      const std::int64_t number = FileNumber(*change.from);
      if (IsDropped(*slot.segment)) {
        change.reason = TReason::kDropped;
      } else if (IsReplaced(*slot.segment)) {
        if (number == value_written) continue;
        change.reason = TReason::kAdjusted;
      } else if (const auto reason =
                     ReadingReason(encoding, number, FileValueOf(encoding, read.stored))) {
        change.reason = *reason;
      } else if (number != value_written) {
        change.reason = TReason::kAdjusted;  // "ALARM" lowered
      } else {
        continue;
      }
    }
    changes.push_back({offset, std::move(change)});
  }
}

void TReporter::AddMissingKeys(const TParameterSet& written, std::vector<TRanked>& changes) const {
  std::vector<bool> met(KeyTable().size());
  for (const TOccurrence& occurrence : occurrences_) met[KeyNumber(*occurrence.key)] = true;
  for (const TKeyRule& key : KeyTable()) {
    if (met[KeyNumber(key)]) continue;
    for (unsigned index = 0; index < key.value_count; ++index) {
      const TValueSlot slot = SlotOf(key, index);
      // Rows that version 2006 drops or replaces lose nothing by being absent.
      if (IsDropped(*slot.segment) || IsReplaced(*slot.segment)) continue;
      TChange change = MakeValueChange(key, index, TReason::kMissingKey);
      change.to = std::to_string(FileValueOf(slot.segment->encoding, ByteOf(written, slot)));
      changes.push_back({std::numeric_limits<std::size_t>::max(), std::move(change)});
    }
  }
}

std::vector<TChange> TReporter::Changes() const {
  TParameterSet written = set_;
  AdjustFor2006(written);

  std::vector<TRanked> ranked;
  for (const TStray& stray : keys_before_version_) {
    ranked.push_back({stray.offset, MakeChange(lines_.LineOf(stray.offset), stray.token,
                                               TReason::kBeforeVersion)});
  }
  for (const TStray& stray : unknown_tokens_) {
    TChange change = MakeChange(lines_.LineOf(stray.offset), "", TReason::kUnknownToken);
    change.from = stray.token;
    ranked.push_back({stray.offset, std::move(change)});
  }
  // The last occurrence of a key wins; each earlier one is reported once, as
  // overridden by the next.
  std::vector<const TOccurrence*> later(KeyTable().size(), nullptr);
  for (auto it = occurrences_.rbegin(); it != occurrences_.rend(); ++it) {
    const TOccurrence*& next = later[KeyNumber(*it->key)];
    if (next == nullptr) {
      AddValueChanges(*it, written, ranked);
    } else {
      TChange change = MakeChange(lines_.LineOf(it->offset), it->key->name, TReason::kDuplicateKey);
      change.overridden_by = lines_.LineOf(next->offset);
      ranked.push_back({it->offset, std::move(change)});
    }
    next = &*it;
  }
  AddMissingKeys(written, ranked);

  // Positions without a number share the offset of the text that stops them,
  // which is then also read as a token: the key's positions come first, in
  // their order. Missing keys keep the order of the key table.
  const auto place = [](const TRanked& entry) {
    const bool missing = !entry.change.line.has_value();
    return std::tuple(entry.offset, !entry.change.index || missing,
                      missing ? 0u : entry.change.index.value_or(0));
  };
  std::stable_sort(ranked.begin(), ranked.end(),
                   [&](const TRanked& a, const TRanked& b) { return place(a) < place(b); });
  std::vector<TChange> changes;
  changes.reserve(ranked.size());
  for (TRanked& entry : ranked) changes.push_back(std::move(entry.change));
  return changes;
}

}  // namespace ign
