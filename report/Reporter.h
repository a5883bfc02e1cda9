// Listens to the reader during a conversion and tells afterwards which values
// reach the version-2006 file other than the version-2005 file says, and why.
//
// It keeps only what it may report: a small note for each stray token and
// each overridden key, and those values of the last occurrence of each key
// that version 2006 does not take as the file says them.
// Line numbers and texts are taken while the reader runs, so the input need
// not outlive the reading.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "params/IgnReader.h"
#include "params/KeyTable.h"
#include "params/ParameterSet.h"
#include "report/Change.h"

namespace ign {

class TReporter final : public TReadObserver {
 public:
  TReporter();

  void OnInput(std::string_view text) override;
  void OnInputTooLarge() override;
  void OnTokenBeforeVersion(std::string_view token, std::size_t offset) override;
  void OnUnknownToken(std::string_view token, std::size_t offset) override;
  void OnKey(const TKeyRule& key, std::size_t offset) override;
  void OnValue(const TKeyRule& key, unsigned index, const TValueRead& read) override;

  // Hands every change to `sink` in the order of the file, missing keys last
  // in the order of the key table. `written` is the set as the conversion
  // wrote it; a key the file lacks is reported with the value it carried.
  // Meaningful once the reader is done with a matched file.
  void Report(const TParameterSet& written, TChangeSink& sink) const;

 private:
  // A token, or an occurrence of a key, in the order of the file.
  struct TNote {
    std::size_t line;
    TReason reason;             // kBeforeVersion, kUnknownToken or kDuplicateKey
    const TKeyRule* key;        // null for an unknown token
    std::size_t overridden_by;  // kDuplicateKey: 0 while no later occurrence came
    std::string token;          // kUnknownToken
  };
  // One value position of the last occurrence of a key that may have a
  // change to tell; a number written as the file says it has none.
  struct TValueNote {
    unsigned index;  // within the key
    std::size_t line;
    TScanStatus status;
    std::uint8_t stored;
    std::string from;  // the number, or the text that is none
  };

  std::size_t LineOf(std::size_t offset);
  std::string TokenAt(std::size_t offset) const;
  void ReportValues(const TKeyRule& key, const std::vector<TValueNote>& values,
                    const TParameterSet& written, TChangeSink& sink) const;

  std::string_view text_;        // valid only while the reader runs
  std::size_t line_offset_ = 0;  // where line_ was last found
  std::size_t line_end_ = 0;     // the end of that line ('\n' or the end of the text)
  std::size_t line_ = 1;
  std::vector<TNote> notes_;
  // Per key of the table: its last note, and its values there worth a note.
  std::array<std::size_t, kKeyCount> last_note_;
  std::array<std::vector<TValueNote>, kKeyCount> values_;
  std::size_t end_line_ = 0;  // the last line that holds anything, once known
  // The run of the last value read: its key and the key's notes, its
  // positions in the key, and whether version 2006 takes its values as read.
  struct TRunSeen {
    const TKeyRule* key = nullptr;
    std::vector<TValueNote>* values = nullptr;
    const TFieldRun* run = nullptr;
    unsigned begin = 0, end = 0;
    bool kept = false;
  } run_;
  bool too_large_ = false;  // nothing was told but that
};

}  // namespace ign
