#include "ui/qt/QtStart.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

namespace ign {
namespace {

QStringList& Held() {
  static QStringList held;
  return held;
}

QtMessageHandler g_qt_handler = nullptr;

// Where a window system would have been: the display the environment names.
QString Display() {
  const QString x11 = qEnvironmentVariable("DISPLAY");
  return x11.isEmpty() ? qEnvironmentVariable("WAYLAND_DISPLAY") : x11;
}

// Qt ends a start without a platform with a fatal message, then aborts.
// Nothing is open or unsaved yet, so the program ends at once, in its own words.
void HoldMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type != QtFatalMsg) {
    Held() << qFormatLogMessage(type, context, message);
    return;
  }
  const QString display = Display();
  const QString reason = display.isEmpty()
                             ? QStringLiteral("DISPLAY is not set")
                             : QStringLiteral("the display %1 could not be opened").arg(display);
  std::fprintf(stderr, "ign-converter: cannot open a window: no display (%s)\n",
               reason.toLocal8Bit().constData());
  std::fflush(stderr);
  std::_Exit(kExitNoDisplay);
}

}  // namespace

TQtStart::TQtStart() { g_qt_handler = qInstallMessageHandler(HoldMessage); }

void TQtStart::Passed() {
  if (!holding_) return;
  holding_ = false;
  qInstallMessageHandler(g_qt_handler);
  for (const QString& message : Held())
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
  Held().clear();
}

}  // namespace ign
