// Putting the main window into the current interface language.
#pragma once

#include <cstdint>
#include <string_view>

#include "ui/core/Controls.h"

namespace ign {

class TFormHlavBase;

// The caption of `control` in `language`: the window, the menus, the fixed
// labels and the report's words. Empty for a control that keeps its text
// whatever the language (the file names, the banner, the status bar).
std::string_view CaptionOf(TControl control, std::uint8_t language);

// Sets the Language check marks, then the captions of every control that has
// one, from LanguageIndex; the status line follows, then the message slots
// are refilled. The file-name labels and the file-dialog filters keep theirs.
void ApplyLanguage(TFormHlavBase& form);

}  // namespace ign
