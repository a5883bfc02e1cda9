// A file dialog of the main window: set up once, shown any number of times.
#pragma once

#include <QFileDialog>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <optional>

namespace ign {

// Holds the dialog's settings from the window's creation on, and builds Qt's
// dialog only when it is first shown: building it reads the file system and
// costs more than the whole main window, which would slow every start.
class TFileDialog {
 public:
  TFileDialog(QFileDialog::AcceptMode mode, QStringList filters, QString default_suffix);
  TFileDialog(const TFileDialog&) = delete;
  TFileDialog& operator=(const TFileDialog&) = delete;
  ~TFileDialog();

  QFileDialog::AcceptMode AcceptMode() const { return mode_; }
  const QStringList& Filters() const { return filters_; }
  const QString& DefaultSuffix() const { return default_suffix_; }
  // A save dialog asks before it replaces a file; an open dialog never writes.
  bool ConfirmsOverwrite() const { return mode_ == QFileDialog::AcceptSave; }

  // Qt's dialog with these settings and FileName/FilterIndex applied; built
  // on the first call as a child of `parent`.
  QFileDialog& Prepare(QWidget& parent);

  // Shows the dialog modally. The full name chosen, also kept in FileName so
  // that the dialog offers it next time; nothing when the user cancels.
  std::optional<QString> Execute(QWidget& parent);

  // The name offered when the dialog is next shown; empty offers none.
  QString FileName;
  // Which filter is selected when the dialog opens, counted from 1.
  int FilterIndex = 1;

 private:
  // Brings the listing and the default extension in line with the selected
  // filter: "All Files (*.*)" means every file, with or without a dot, and a
  // name taken exactly as typed; Qt would read "*.*" literally.
  void FollowFilter();

  QFileDialog::AcceptMode mode_;
  QStringList filters_;
  QString default_suffix_;
  QPointer<QFileDialog> dialog_;
};

}  // namespace ign
