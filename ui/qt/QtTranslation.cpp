#include "ui/qt/QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>

#include "ui/core/Language.h"

namespace ign {

TQtTranslation::~TQtTranslation() { Remove(); }

void TQtTranslation::Select(std::uint8_t language) {
  if (installed_ && language == language_) return;
  Remove();
  if (language == kEnglish) return;  // Qt's texts are English already

  const QString name =
      language == kGerman ? QStringLiteral("qtbase_de") : QStringLiteral("qtbase_fr");
  if (!translator_.load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) return;
  installed_ = QCoreApplication::installTranslator(&translator_);
  language_ = language;
}

void TQtTranslation::Remove() {
  if (!installed_) return;
  QCoreApplication::removeTranslator(&translator_);
  installed_ = false;
}

}  // namespace ign
