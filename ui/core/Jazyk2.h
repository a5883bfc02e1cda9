// The messages of the conversion in the current interface language.
#pragma once

#include <cstdint>
#include <string_view>

namespace ign {

class TFormHlavBase;

enum class TMessage : std::uint8_t { kOpenFileError, kUnmatchedIgnVersion, kWriteFileError };

// The text of `message` in `language`.
std::string_view MessageIn(TMessage message, std::uint8_t language);

// Stores the texts of LanguageIndex in the window's message slots, where the
// conversion takes them at the moment it shows a message.
void LoadMessageTexts(TFormHlavBase& form);

}  // namespace ign
