#include "ui/qt/NoSettings.h"

#include <QSettings>
#include <QString>

namespace ign {

void DisableStoredSettings() {
  // Qt's file dialog opens QSettings(UserScope, "QtProject") when it is built
  // and again when it is destroyed, and offers no switch to stop it. Under a
  // folder that cannot exist (a path through /dev/null) the settings file can
  // neither be read nor created, so the dialog starts as on a first run and
  // what it saves goes nowhere. Windows keeps native-format settings in the
  // registry, where a path has no effect; there only the INI path moves.
  const QString nowhere = QStringLiteral("/dev/null/ign-converter-stores-nothing");
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, nowhere);
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, nowhere);
}

}  // namespace ign
