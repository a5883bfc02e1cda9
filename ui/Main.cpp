// Program entry of the converter window.
#include "ui/Application.h"
#include "ui/Dialogs.h"
#include "ui/Hlav.h"

int main(int argc, char* argv[]) {
  ign::TApplication application(argc, argv);
  application.RunGuarded([&application] {
    ign::TQtDialogs dialogs;
    // Qt has taken its own options (-platform and the like) out of the
    // arguments by now, so the first one left is the program's.
    ign::TFormHlav FormHlav(QApplication::arguments(), dialogs);
    FormHlav.show();
    application.exec();
  });
  // Always 0: the product reports problems in the window, not to the caller.
  return 0;
}
