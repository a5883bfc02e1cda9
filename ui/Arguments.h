// The program's arguments: `ign-converter [LANGUAGE] [FILE]`.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <utility>

namespace ign {

struct TArguments {
  // The same list for both, as a test or a program without Qt options has it.
  TArguments(const QStringList& both)
      : received(both), left(both) {}  // NOLINT: implicit on purpose
  TArguments(QStringList received_arguments, QStringList left_arguments)
      : received(std::move(received_arguments)), left(std::move(left_arguments)) {}

  // Exactly as the program received them, program name first. The language
  // is taken from these, so a Qt option such as -reverse in front of a
  // language word leaves the window in English.
  QStringList received;
  // What Qt left after taking its own options (-platform xcb and the like);
  // a file to convert is looked for among these.
  QStringList left;
};

// The language that the first received argument selects, or `current` when
// there is none or it names no language.
std::uint8_t LanguageOfArguments(const TArguments& arguments, std::uint8_t current);

// The first argument Qt left that is none of the three language words, or an
// empty string when there is none.
QString FileOfArguments(const TArguments& arguments);

}  // namespace ign
