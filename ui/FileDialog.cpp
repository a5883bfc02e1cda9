#include "ui/FileDialog.h"

#include <QFileSystemModel>
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
    // Qt applies a chosen filter before it tells about it, so the listing
    // is corrected after Qt's own change.
    QObject::connect(dialog_, &QFileDialog::filterSelected, dialog_, [this] { FollowFilter(); });
  }
  if (FilterIndex >= 1 && FilterIndex <= filters_.size()) {
    dialog_->selectNameFilter(filters_.at(FilterIndex - 1));
  }
  FollowFilter();
  if (!FileName.isEmpty()) dialog_->selectFile(FileName);
  return *dialog_;
}

void TFileDialog::FollowFilter() {
  const bool every_file = dialog_->selectedNameFilter().endsWith(QLatin1String("(*.*)"));
  dialog_->setDefaultSuffix(every_file ? QString() : default_suffix_);
  if (!every_file) return;
#ifndef _WIN32
  // Windows lists every file for "*.*" by itself.
  if (auto* model = dialog_->findChild<QFileSystemModel*>(QStringLiteral("qt_filesystem_model"))) {
    model->setNameFilters({QStringLiteral("*")});
  }
#endif
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
