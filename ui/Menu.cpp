// The File commands of the main window.
#include "ui/Hlav.h"

namespace ign {

void TFormHlav::MenuOpenClick() {
  // The conversion comes with the conversion workflow.
}

void TFormHlav::MenuExitClick() { close(); }

}  // namespace ign
