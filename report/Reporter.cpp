#include "report/Reporter.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>

#include "params/KeyTable.h"
#include "params/New.h"

namespace ign {
namespace {

constexpr std::size_t kShownTokenLength = 40;
constexpr std::size_t kNone = static_cast<std::size_t>(-1);

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// Lines are some hundred bytes long: jumping from one line end to the next
// beats looking at every byte.
std::size_t CountLineEnds(const char* from, const char* to) {
  std::size_t count = 0;
  while (from < to) {
    const void* end = std::memchr(from, '\n', static_cast<std::size_t>(to - from));
    if (end == nullptr) break;
    from = static_cast<const char*>(end) + 1;
    ++count;
  }
  return count;
}

std::size_t KeyNumber(const TKeyRule& key) {
  return static_cast<std::size_t>(&key - KeyTable().data());
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
  if (text.size() <= 12) {
    for (char c : text) value = value * 10 + (c - '0');  // well below the clamp
  } else {
    for (char c : text) value = std::min<std::int64_t>(value * 10 + (c - '0'), kClamp);
  }
  return negative ? -value : value;
}

// Why the reader made `read` of the file's `number`, when it differs: a
// number within the field's range that is no multiple of its step was
// rounded, anything else wrapped. A switch counts 0 and 1 as its range, so a
// 2 that is written as 1 has wrapped.
std::optional<TReason> ReadingReason(TEncoding encoding, std::int64_t number, int read) {
  if (number == read) return std::nullopt;
  const bool in_range = number >= LowestValueOf(encoding) &&
                        number <= HighestValueOf(encoding) + StepOf(encoding) - 1;
  return in_range ? TReason::kRounded : TReason::kWrapped;
}

std::uint8_t ByteAt(const TParameterSet& set, std::size_t offset) {
  return reinterpret_cast<const std::uint8_t*>(&set)[offset];
}

TChange ValueChange(const TKeyRule& key, unsigned index, TReason reason) {
  TChange change;
  change.key = key.name;
  change.index = index;
  change.in_map = key.value_count == kMapSize;
  change.reason = reason;
  return change;
}

}  // namespace

TReporter::TReporter() { last_note_.fill(kNone); }

void TReporter::OnInput(std::string_view text) {
  text_ = text;
  end_line_ = 0;
  line_offset_ = 0;
  line_end_ = 0;
  line_ = 1;
}

void TReporter::OnInputTooLarge() { too_large_ = true; }

std::size_t TReporter::LineOf(std::size_t offset) {
  // The reader reports in the order of the text, a line's values one after
  // the other: within the line, nothing need be counted.
  offset = std::min(offset, text_.size());
  if (offset >= line_offset_ && offset <= line_end_) return line_;
  if (offset > line_offset_) {
    line_ += CountLineEnds(text_.data() + line_offset_, text_.data() + offset);
  } else {
    line_ -= CountLineEnds(text_.data() + offset, text_.data() + line_offset_);
  }
  line_offset_ = offset;
  const void* end = std::memchr(text_.data() + offset, '\n', text_.size() - offset);
  line_end_ = end == nullptr
                  ? text_.size()
                  : static_cast<std::size_t>(static_cast<const char*>(end) - text_.data());
  return line_;
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

void TReporter::OnTokenBeforeVersion(std::string_view token, std::size_t offset) {
  // Only keys matter here; headers and comments before the version are normal.
  if (const TKeyRule* key = FindKey(token)) {
    notes_.push_back({LineOf(offset), TReason::kBeforeVersion, key, 0, {}});
  }
}

void TReporter::OnUnknownToken(std::string_view token, std::size_t offset) {
  const std::size_t line = LineOf(offset);
  std::string shown =
      token.empty() || token.size() > kShownTokenLength ? TokenAt(offset) : std::string(token);
  notes_.push_back({line, TReason::kUnknownToken, nullptr, 0, std::move(shown)});
}

void TReporter::OnKey(const TKeyRule& key, std::size_t offset) {
  const std::size_t number = KeyNumber(key);
  const std::size_t line = LineOf(offset);
  // An earlier occurrence is overridden by this one; of it, only that is told.
  if (last_note_[number] != kNone) notes_[last_note_[number]].overridden_by = line;
  last_note_[number] = notes_.size();
  notes_.push_back({line, TReason::kDuplicateKey, &key, 0, {}});
  values_[number].clear();
}

void TReporter::OnValue(const TKeyRule& key, unsigned index, const TValueRead& read) {
  // The values of a key come in order: its notes and the run of its
  // value are looked up only when the last value's are left.
  if (&key != run_.key || index < run_.begin || index >= run_.end) {
    const TValueSlot slot = SlotOf(key, index);
    const unsigned begin = index - (slot.element - slot.run->first);
    run_ = {&key,  &values_[KeyNumber(key)], slot.run,
            begin, begin + slot.run->count,  FateOf(slot.run->offset) == TFate::kKept};
  }
  std::vector<TValueNote>& values = *run_.values;
  switch (read.status) {
    case TScanStatus::kNumber: {
      const std::string_view from = text_.substr(read.offset, read.length);
      // Most values reach version 2006 as the file says them: those cost no
      // note, no line count and no copy of their text.
      if (run_.kept && FileNumber(from) == FileValueOf(run_.run->encoding, read.stored)) {
        break;
      }
      values.push_back({index, LineOf(read.offset), read.status, read.stored, std::string(from)});
      break;
    }
    case TScanStatus::kNotANumber:
      // Every later position of the key stops at the same text.
      if (!values.empty() && values.back().status == TScanStatus::kNotANumber) {
        values.push_back(values.back());
        values.back().index = index;
        values.back().stored = read.stored;
      } else {
        std::size_t begin = std::min(read.offset, text_.size());
        while (begin < text_.size() && IsSpace(text_[begin])) ++begin;
        values.push_back({index, LineOf(begin), read.status, read.stored, TokenAt(begin)});
      }
      break;
    case TScanStatus::kEndOfInput:
      // Told at the last line that holds anything.
      if (end_line_ == 0) {
        std::size_t end = text_.size();
        while (end > 0 && IsSpace(text_[end - 1])) --end;
        end_line_ = LineOf(end > 0 ? end - 1 : 0);
      }
      values.push_back({index, end_line_, read.status, read.stored, {}});
      break;
  }
}

void TReporter::ReportValues(const TKeyRule& key, const std::vector<TValueNote>& values,
                             const TParameterSet& written, TChangeSink& sink) const {
  for (const TValueNote& note : values) {
    const TValueSlot slot = SlotOf(key, note.index);
    const TEncoding encoding = slot.run->encoding;
    const TFate fate = FateOf(slot.run->offset);
    const int value_written = FileValueOf(encoding, ByteAt(written, slot.offset));

    TReason reason = TReason::kNotANumber;
    if (note.status == TScanStatus::kEndOfInput) {
      reason = TReason::kEndOfFile;
    } else if (note.status == TScanStatus::kNumber) {
      const std::int64_t number = FileNumber(note.from);
      if (fate == TFate::kDropped) {
        reason = TReason::kDropped;
      } else if (fate == TFate::kReplaced) {
        if (number == value_written) continue;
        reason = TReason::kAdjusted;
      } else if (const auto read_reason =
                     ReadingReason(encoding, number, FileValueOf(encoding, note.stored))) {
        reason = *read_reason;
      } else if (number != value_written) {
        reason = TReason::kAdjusted;  // lowered
      } else {
        continue;
      }
    }
    TChange change = ValueChange(key, note.index, reason);
    change.line = note.line;
    if (fate != TFate::kDropped) change.to = value_written;
    if (note.status != TScanStatus::kEndOfInput) change.from = note.from;
    sink.Add(change);
  }
}

void TReporter::Report(const TParameterSet& written, TChangeSink& sink) const {
  if (too_large_) {
    TChange change;
    change.reason = TReason::kNotChecked;
    sink.Add(change);
    return;
  }
  for (const TNote& note : notes_) {
    TChange change;
    change.line = note.line;
    change.reason = note.reason;
    if (note.key != nullptr) change.key = note.key->name;
    switch (note.reason) {
      case TReason::kUnknownToken:
        change.from = note.token;
        break;
      case TReason::kDuplicateKey:
        if (note.overridden_by == 0) {
          ReportValues(*note.key, values_[KeyNumber(*note.key)], written, sink);
          continue;
        }
        change.overridden_by = note.overridden_by;
        break;
      default:
        break;
    }
    sink.Add(change);
  }
  for (const TKeyRule& key : KeyTable()) {
    if (last_note_[KeyNumber(key)] != kNone) continue;
    for (unsigned index = 0; index < key.value_count; ++index) {
      const TValueSlot slot = SlotOf(key, index);
      // Rows that version 2006 drops or replaces lose nothing by being absent.
      const TFate fate = FateOf(slot.offset);
      if (fate == TFate::kDropped || fate == TFate::kReplaced) continue;
      TChange change = ValueChange(key, index, TReason::kMissingKey);
      change.to = FileValueOf(slot.run->encoding, ByteAt(written, slot.offset));
      sink.Add(change);
    }
  }
}

}  // namespace ign
