#include "ui/FileDialog.h"

#include <utility>

namespace ign {

TFileDialog::TFileDialog(QFileDialog::AcceptMode mode, QStringList filters, QString default_suffix)
    : mode_(mode), filters_(std::move(filters)), default_suffix_(std::move(default_suffix)) {}

TFileDialog::~TFileDialog() { delete dialog_.data(); }

QFileDialog& TFileDialog::Prepare(QWidget& parent) {
  if (!dialog_) {
    dialog_ = new QFileDialog(&parent);
    // Qt's own dialog everywhere: its buttons follow the interface language
    // and a name typed into it comes back exactly as typed, symbolic links
    // in the folder part included.
    dialog_->setOption(QFileDialog::DontUseNativeDialog);
    dialog_->setOption(QFileDialog::DontResolveSymlinks);
    dialog_->setAcceptMode(mode_);
    dialog_->setFileMode(mode_ == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                          : QFileDialog::AnyFile);
    dialog_->setOption(QFileDialog::DontConfirmOverwrite, !ConfirmsOverwrite());
    dialog_->setNameFilters(filters_);
    dialog_->setDefaultSuffix(default_suffix_);
    dialog_->setSizeGripEnabled(true);
  }
  if (FilterIndex >= 1 && FilterIndex <= filters_.size()) {
    dialog_->selectNameFilter(filters_.at(FilterIndex - 1));
  }
  if (!FileName.isEmpty()) dialog_->selectFile(FileName);
  return *dialog_;
}

std::optional<QString> TFileDialog::Execute(QWidget& parent) {
  QFileDialog& dialog = Prepare(parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty()) return std::nullopt;
  FileName = chosen.first();
  return FileName;
}

}  // namespace ign
