// The interface language: one value for the whole process.
#pragma once

#include <cstdint>
#include <string_view>

#include "texts/TextRow.h"

namespace ign {

// The current interface language, a TLanguage value. Every run starts in
// English; nothing stores the choice.
extern std::uint8_t LanguageIndex;

// The language that a first program argument selects, or `current` when the
// argument names none. The comparison is exact: "deutsch" or "DEUTSCH " select
// nothing.
std::uint8_t LanguageFromArgument(std::string_view argument, std::uint8_t current);

// True for "ENGLISH", "DEUTSCH" and "FRENCH", exactly so.
bool IsLanguageWord(std::string_view argument);

}  // namespace ign
