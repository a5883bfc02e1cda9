// The controls of the main window and of its report window, named alike for
// every toolkit that draws them.
#pragma once

#include <cstdint>

namespace ign {

enum class TControl : std::uint8_t {
  kFormHlav,
  kMenuFile,
  kMenuOpen,
  kMenuExit,
  kMenuLanguage,
  kMenuEnglish,
  kMenuGerman,
  kMenuFrench,
  kImageLogo2,
  kLabelFile1,
  kLabelFile2,
  kLabelFile3,
  kLabelFile4,
  kLabelFile5,
  kStatusBar1,
  kButtonDetails1,  // in the status bar, opens the report window
  kFormReport,      // the report window
  kButtonCopy1,     // the report window's button that copies the report
  kButtonClose1,    // the report window's button that closes it
};

}  // namespace ign
