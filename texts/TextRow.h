// One text in every language the window offers, as UTF-8.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace ign {

enum TLanguage : std::uint8_t { kEnglish = 0, kGerman = 1, kFrench = 2 };
inline constexpr std::uint8_t kLanguageCount = 3;

// A row takes exactly one string per language: a row written with a missing
// translation does not compile, so no text can come out blank.
class TTextRow {
 public:
  constexpr TTextRow(std::string_view english, std::string_view german, std::string_view french)
      : texts_{english, german, french} {}

  // The text in `language`, which must be one of the TLanguage values.
  constexpr std::string_view In(std::uint8_t language) const { return texts_.at(language); }

 private:
  std::array<std::string_view, kLanguageCount> texts_;
};

}  // namespace ign
