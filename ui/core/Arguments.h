// The program's arguments: `ign-converter [LANGUAGE] [FILE]`.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace ign {

struct TArguments {
  // The same list for both, as a program without toolkit options has it.
  TArguments(const std::vector<std::string>& both)  // NOLINT: implicit on purpose
      : received(both), left(both) {}
  TArguments(std::vector<std::string> received_arguments, std::vector<std::string> left_arguments)
      : received(std::move(received_arguments)), left(std::move(left_arguments)) {}

  // Exactly as the program received them, program name first. The language
  // is taken from these, so a toolkit option such as -reverse in front of a
  // language word leaves the window in English.
  std::vector<std::string> received;
  // What the toolkit left after taking its own options (Qt's -platform xcb
  // and the like); a file to convert is looked for among these.
  std::vector<std::string> left;
};

// The language that the first received argument selects, or `current` when
// there is none or it names no language.
std::uint8_t LanguageOfArguments(const TArguments& arguments, std::uint8_t current);

// The first argument left that is none of the three language words, or an
// empty string when there is none.
std::string FileOfArguments(const TArguments& arguments);

}  // namespace ign
