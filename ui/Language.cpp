#include "ui/Language.h"

namespace ign {

std::uint8_t LanguageIndex = kEnglish;

std::uint8_t LanguageFromArgument(const QString& argument, std::uint8_t current) {
  if (argument == QLatin1String("ENGLISH")) return kEnglish;
  if (argument == QLatin1String("FRENCH")) return kFrench;
  if (argument == QLatin1String("DEUTSCH")) return kGerman;
  return current;
}

bool IsLanguageWord(const QString& argument) {
  return LanguageFromArgument(argument, kLanguageCount) != kLanguageCount;
}

}  // namespace ign
