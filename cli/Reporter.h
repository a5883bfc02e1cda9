// Listens to the reader during a conversion and works out afterwards which
// values reach the version-2006 file other than the version-2005 file says.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "cli/Change.h"
#include "cli/LineIndex.h"
#include "params/IgnReader.h"
#include "params/ParameterSet.h"

namespace ign {

class TReporter final : public TReadObserver {
 public:
  // `text` is the whole input the reader is given; it must outlive the
  // reporter.
  explicit TReporter(std::string_view text);

  void OnTokenBeforeVersion(std::string_view token, std::size_t offset) override;
  void OnUnknownToken(std::string_view token, std::size_t offset) override;
  void OnKey(const TKeyRule& key, std::size_t offset) override;
  void OnValue(const TKeyRule& key, unsigned index, const TValueRead& read) override;

  // Every change, in the order of the file; missing keys come last. Meaningful once the reader is
  // done with a matched file.
  std::vector<TChange> Changes() const;

 private:
  struct TOccurrence {
    const TKeyRule* key;
    std::size_t offset;
    std::vector<TValueRead> values;
  };
  struct TStray {
    std::string token;
    std::size_t offset;
  };

  struct TRanked;  // a change with its place in the file, for sorting

  void AddValueChanges(const TOccurrence& occurrence, const TParameterSet& written,
                       std::vector<TRanked>& changes) const;
  void AddMissingKeys(const TParameterSet& written, std::vector<TRanked>& changes) const;
  // The token that starts at or after `offset`, cut short for display.
  std::string TokenAt(std::size_t offset) const;
  std::size_t LastLine() const;

  std::string_view text_;
  TLineIndex lines_;
  // The set as the conversion builds it, from the same start values, so that
  // what is written can be told for every field, including keys never met.
  TParameterSet set_;
  std::vector<TStray> keys_before_version_;
  std::vector<TStray> unknown_tokens_;
  std::vector<TOccurrence> occurrences_;
};

}  // namespace ign
