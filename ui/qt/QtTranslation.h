// Qt's own texts (dialog buttons, the replace question) in the interface
// language, from the translations that come with Qt.
#pragma once

#include <QTranslator>
#include <cstdint>

namespace ign {

class TQtTranslation {
 public:
  TQtTranslation() = default;
  TQtTranslation(const TQtTranslation&) = delete;
  TQtTranslation& operator=(const TQtTranslation&) = delete;
  ~TQtTranslation();

  // Makes Qt's texts follow `language`. Where Qt's translation is not
  // installed, Qt's texts stay English and nothing is reported: the window's
  // own captions do not depend on it.
  void Select(std::uint8_t language);

 private:
  void Remove();

  QTranslator translator_;
  bool installed_ = false;
  std::uint8_t language_ = 0;
};

}  // namespace ign
