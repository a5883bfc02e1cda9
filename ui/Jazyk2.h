// The messages of the conversion in the current interface language.
#pragma once

namespace ign {

class TFormHlav;

// Stores the texts of LanguageIndex in the window's message slots, where the
// conversion takes them at the moment it shows a message.
void LoadMessageTexts(TFormHlav& form);

}  // namespace ign
