// Program entry of the converter window: `ign-converter [LANGUAGE] [FILE]`.
#include <string>
#include <vector>

#include "ui/core/Arguments.h"
#include "ui/core/Usage.h"
#include "ui/qt/Application.h"
#include "ui/qt/Dialogs.h"
#include "ui/qt/Hlav.h"
#include "ui/qt/NoSettings.h"
#include "ui/qt/QtStart.h"

namespace {

// The file system's own bytes, also where they are no UTF-8: a file named
// on the command line must reach the same file.
std::vector<std::string> ArgumentList(int argc, char* argv[]) {
  return std::vector<std::string>(argv, argv + argc);
}

}  // namespace

int main(int argc, char* argv[]) {
  // Before Qt takes its own options (-platform, -reverse ...) out of argv:
  // the language is the first argument as the program received it.
  const std::vector<std::string> received = ArgumentList(argc, argv);
  // Answered before Qt starts, so that they need no display.
  if (const ign::TRequest request = ign::RequestOfArguments(received);
      request != ign::TRequest::kWindow) {
    return ign::PrintAnswer(request);
  }
  ign::TQtStart start;
  ign::TApplication application(argc, argv);
  start.Passed();
  // The desktop entry's name: the launcher and the window share one icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("io.github.ignconverter.IgnConverter"));
  ign::DisableStoredSettings();
  application.RunGuarded([&] {
    ign::TQtDialogs dialogs;
    ign::TFormHlav FormHlav(ign::TArguments(received, ArgumentList(argc, argv)), dialogs);
    FormHlav.show();
    application.exec();
  });
  // 0 once the window has been up: the product reports problems in the
  // window, not to the caller.
  return 0;
}
