// One interface text in every language the window offers.
#pragma once

#include <QString>
#include <array>
#include <cstdint>

#include "ui/Language.h"

namespace ign {

// A row takes exactly one string per language: a row written with a missing
// translation does not compile, so no caption can come out blank.
class TTextRow {
 public:
  constexpr TTextRow(const char* english, const char* german, const char* french)
      : texts_{english, german, french} {}

  // The text in `language`, which must be one of the TLanguage values.
  QString In(std::uint8_t language) const { return QString::fromUtf8(texts_.at(language)); }

 private:
  std::array<const char*, kLanguageCount> texts_;
};

}  // namespace ign
