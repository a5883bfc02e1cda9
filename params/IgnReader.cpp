#include "params/IgnReader.h"

#include <algorithm>
#include <istream>
#include <iterator>
#include <streambuf>
#include <string>

#include "params/scan/LowBytes.h"
#include "params/scan/Scanner.h"

namespace ign {
namespace {

template <TEncoding kEncoding>
void EncodeAll(const std::uint32_t* values, unsigned count, std::uint8_t* out) {
  for (unsigned i = 0; i < count; ++i) {
    out[i] = kEncoding == TEncoding::kSigned
                 ? EncodeSigned(static_cast<std::int32_t>(values[i]))
                 : EncodeUnsigned(kEncoding, static_cast<std::uint16_t>(values[i]));
  }
}

// One dispatch per run of a field, so that each loop knows its conversion.
void EncodeRun(TEncoding encoding, const std::uint32_t* values, unsigned count, std::uint8_t* out) {
  switch (encoding) {
    case TEncoding::kPlain:
    case TEncoding::kSwitch:
      return StoreLowBytes(values, count, out);
    case TEncoding::kNegatedSwitch:
      return EncodeAll<TEncoding::kNegatedSwitch>(values, count, out);
    case TEncoding::kTimes5:
      return EncodeAll<TEncoding::kTimes5>(values, count, out);
    case TEncoding::kTimes10:
      return EncodeAll<TEncoding::kTimes10>(values, count, out);
    case TEncoding::kTimes20:
      return EncodeAll<TEncoding::kTimes20>(values, count, out);
    case TEncoding::kTimes50:
      return EncodeAll<TEncoding::kTimes50>(values, count, out);
    case TEncoding::kTps2:
      return EncodeAll<TEncoding::kTps2>(values, count, out);
    case TEncoding::kChoke2:
      return EncodeAll<TEncoding::kChoke2>(values, count, out);
    case TEncoding::kSigned:
      return EncodeAll<TEncoding::kSigned>(values, count, out);
  }
}

// The state of one reading. The scanned and the signed value start at 0 in
// every call, so nothing of an earlier file can reach this one.
class TReading {
 public:
  TReading(TScanner& scanner, TParameterSet& set, TReadObserver* observer)
      : scanner_(scanner),
        bytes_(reinterpret_cast<std::uint8_t*>(&set)),
        set_(set),
        observer_(observer) {}

  bool Run() {
    set_.version_matched = false;
    if (FindVersionPair()) {
      set_.version_matched = true;
      ReadKeys();
    }
    return set_.version_matched;
  }

 private:
  // Tokens are dropped until "ZANTROVA_KEY" followed by 37. A pair with
  // another number does not end the search.
  bool FindVersionPair() {
    TToken token;
    while (scanner_.ReadToken(token)) {
      if (token.text == kVersionKey) {
        scanner_.ReadUnsigned(scanned_);
        if (scanned_ == kVersion2005) {
          if (observer_ != nullptr) observer_->OnVersionPair(token.offset);
          return true;
        }
      }
      if (observer_ != nullptr) observer_->OnTokenBeforeVersion(token.text, token.offset);
    }
    return false;
  }

  void ReadKeys() {
    TToken token;
    while (scanner_.ReadToken(token)) {
      const TKeyRule* key = token.too_long ? nullptr : FindKey(token.text);
      if (key == nullptr) {
        if (observer_ != nullptr) observer_->OnUnknownToken(token.text, token.offset);
        continue;
      }
      if (observer_ != nullptr) observer_->OnKey(*key, token.offset);
      ReadValues(*key);
    }
  }

  // A position without a number repeats the last number read, and so does
  // every later position of the key, since the same text stops each of them.
  void ReadValues(const TKeyRule& key) {
    std::uint32_t values[kMostKeyValues];
    TScanner::TSpan spans[kMostKeyValues];
    TScanStatus stop;
    const unsigned count = key.value_count;
    const unsigned read =
        scanner_.ReadNumbers(values, count, stop, observer_ != nullptr ? spans : nullptr);
    if (key.IsSigned()) {
      if (read > 0) signed_ = static_cast<std::int32_t>(values[read - 1]);
      std::fill(values + read, values + count, static_cast<std::uint32_t>(signed_));
    } else {
      if (read > 0) scanned_ = static_cast<std::uint16_t>(values[read - 1]);
      std::fill(values + read, values + count, scanned_);
    }

    unsigned index = 0;
    for (const TFieldRun& run : key.Runs()) {
      EncodeRun(run.encoding, values + index, run.count, bytes_ + run.offset);
      index += run.count;
    }
    if (observer_ != nullptr) Report(key, read, stop, spans);
  }

  void Report(const TKeyRule& key, unsigned read, TScanStatus stop, const TScanner::TSpan* spans) {
    const std::size_t here = scanner_.Offset();
    for (unsigned index = 0; index < key.value_count; ++index) {
      const TValueSlot slot = SlotOf(key, index);
      const std::uint8_t stored = bytes_[slot.offset];
      if (index < read) {
        observer_->OnValue(
            key, index, {TScanStatus::kNumber, spans[index].offset, spans[index].length, stored});
      } else {
        observer_->OnValue(key, index, {stop, here, 0, stored});
      }
    }
  }

  TScanner& scanner_;
  std::uint8_t* bytes_;
  TParameterSet& set_;
  TReadObserver* observer_;
  std::uint16_t scanned_ = 0;
  std::int32_t signed_ = 0;
};

// What has been read of a stream already, followed by the rest of it.
class TPrefixedBuffer final : public std::streambuf {
 public:
  TPrefixedBuffer(std::string& prefix, std::streambuf& rest) : rest_(rest) {
    setg(prefix.data(), prefix.data(), prefix.data() + prefix.size());
  }

 protected:
  int_type underflow() override {
    if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
    const std::streamsize got = rest_.sgetn(chunk_, sizeof chunk_);
    if (got <= 0) return traits_type::eof();
    setg(chunk_, chunk_, chunk_ + got);
    return traits_type::to_int_type(*gptr());
  }

 private:
  std::streambuf& rest_;
  char chunk_[64 * 1024];
};

}  // namespace

bool ReadIgn2005(std::string_view text, TParameterSet& set, TReadObserver* observer) {
  if (observer != nullptr) observer->OnInput(text);
  TScanner scanner(text);
  return TReading(scanner, set, observer).Run();
}

bool ReadIgn2005(std::istream& in, TParameterSet& set, TReadObserver* observer) {
  if (observer == nullptr) {
    TScanner scanner(in);
    return TReading(scanner, set, nullptr).Run();
  }
  // Reading past kMostObservedInput tells whether the stream ends in time.
  std::string head;
  char chunk[64 * 1024];
  while (head.size() <= kMostObservedInput) {
    in.read(chunk, sizeof chunk);
    if (in.gcount() <= 0) break;
    head.append(chunk, static_cast<std::size_t>(in.gcount()));
  }
  if (in.eof()) in.clear(in.rdstate() & ~std::ios::failbit);  // the end is no failure
  if (head.size() <= kMostObservedInput) return ReadIgn2005(std::string_view(head), set, observer);
  observer->OnInputTooLarge();
  TPrefixedBuffer rest(head, *in.rdbuf());
  std::istream whole(&rest);
  TScanner scanner(whole);
  const bool matched = TReading(scanner, set, nullptr).Run();
  if (whole.bad()) in.setstate(std::ios::badbit);  // a failing read, as the caller's own
  return matched;
}

}  // namespace ign
