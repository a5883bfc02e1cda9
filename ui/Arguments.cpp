#include "ui/Arguments.h"

#include "ui/Language.h"

namespace ign {

std::uint8_t LanguageOfArguments(const TArguments& arguments, std::uint8_t current) {
  if (arguments.received.size() < 2) return current;
  return LanguageFromArgument(arguments.received.at(1), current);
}

QString FileOfArguments(const TArguments& arguments) {
  for (qsizetype i = 1; i < arguments.left.size(); ++i) {
    const QString& argument = arguments.left.at(i);
    if (!IsLanguageWord(argument)) return argument;
  }
  return {};
}

}  // namespace ign
