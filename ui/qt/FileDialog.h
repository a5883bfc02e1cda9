// Qt's dialog for one of the main window's file dialogs: built from the
// window's settings when first shown, kept for the next time.
#pragma once

#include <QFileDialog>
#include <QPointer>
#include <QString>
#include <optional>

#include "ui/core/FileDialog.h"

namespace ign {

// Builds Qt's dialog only when it is first shown: building it reads the file
// system and costs more than the whole main window, which would slow every
// start.
class TQtFileDialog {
 public:
  explicit TQtFileDialog(TFileDialog& settings) : settings_(settings) {}
  TQtFileDialog(const TQtFileDialog&) = delete;
  TQtFileDialog& operator=(const TQtFileDialog&) = delete;
  ~TQtFileDialog();

  TFileDialog& Settings() { return settings_; }

  // Qt's dialog with the settings' file name and filter index applied; built
  // on the first call as a child of `parent`.
  QFileDialog& Prepare(QWidget& parent);

  // Shows the dialog modally: the full name chosen, or nothing on cancel.
  std::optional<QString> Execute(QWidget& parent);

 private:
  // Brings the listing and the default extension in line with the selected
  // filter: "All Files (*.*)" means every file, with or without a dot, and a
  // name taken exactly as typed; Qt would read "*.*" literally.
  void FollowFilter();

  TFileDialog& settings_;
  QPointer<QFileDialog> dialog_;
};

}  // namespace ign
