#include "ui/core/Arguments.h"

#include "ui/core/Language.h"

namespace ign {

std::uint8_t LanguageOfArguments(const TArguments& arguments, std::uint8_t current) {
  if (arguments.received.size() < 2) return current;
  return LanguageFromArgument(arguments.received[1], current);
}

std::string FileOfArguments(const TArguments& arguments) {
  for (std::size_t i = 1; i < arguments.left.size(); ++i) {
    if (!IsLanguageWord(arguments.left[i])) return arguments.left[i];
  }
  return {};
}

}  // namespace ign
