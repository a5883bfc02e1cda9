// Putting the main window into the current interface language.
#pragma once

namespace ign {

class TFormHlav;

// Sets the Language check marks, the window caption, the menu captions and
// the fixed labels from LanguageIndex, then refills the message slots. The
// file-name labels, the status bar and the file-dialog filters keep theirs.
void ApplyLanguage(TFormHlav& form);

}  // namespace ign
