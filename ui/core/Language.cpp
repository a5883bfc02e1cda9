#include "ui/core/Language.h"

namespace ign {

std::uint8_t LanguageIndex = kEnglish;

std::uint8_t LanguageFromArgument(std::string_view argument, std::uint8_t current) {
  if (argument == "ENGLISH") return kEnglish;
  if (argument == "FRENCH") return kFrench;
  if (argument == "DEUTSCH") return kGerman;
  return current;
}

bool IsLanguageWord(std::string_view argument) {
  return LanguageFromArgument(argument, kLanguageCount) != kLanguageCount;
}

}  // namespace ign
