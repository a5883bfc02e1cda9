#include "params/IgnReader.h"

namespace ign {
namespace {

constexpr std::string_view kVersionKey = "ZANTROVA_KEY";
constexpr std::uint16_t kVersion2005 = 37;

// The state of one reading. The scanned and the signed value start at 0 in
// every call, so nothing of an earlier file can reach this one.
class TReading {
 public:
  TReading(TScanner& scanner, TParameterSet& set, TReadObserver* observer)
      : scanner_(scanner), bytes_(reinterpret_cast<std::uint8_t*>(&set)), set_(set),
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
    unsigned index = 0;
    for (const TSegment& segment : key.Segments()) {
      std::uint8_t* element = bytes_ + segment.offset;
      for (unsigned i = 0; i < segment.count; ++i, ++index) {
        TScanStatus status;
        if (segment.encoding == TEncoding::kSigned) {
          status = scanner_.ReadSigned(signed_);
          element[i] = EncodeSigned(signed_);
        } else {
          status = scanner_.ReadUnsigned(scanned_);
          element[i] = EncodeUnsigned(segment.encoding, scanned_);
        }
        if (observer_ != nullptr) {
          const bool number = status == TScanStatus::kNumber;
          observer_->OnValue(key, index,
                             {status, number ? scanner_.NumberOffset() : scanner_.Offset(),
                              number ? scanner_.NumberLength() : 0, element[i]});
        }
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

}  // namespace

bool ReadIgn2005(std::string_view text, TParameterSet& set, TReadObserver* observer) {
  TScanner scanner(text);
  return TReading(scanner, set, observer).Run();
}

bool ReadIgn2005(std::istream& in, TParameterSet& set, TReadObserver* observer) {
  TScanner scanner(in);
  return TReading(scanner, set, observer).Run();
}

}  // namespace ign
