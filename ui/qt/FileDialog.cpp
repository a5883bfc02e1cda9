#include "ui/qt/FileDialog.h"

#include <QCoreApplication>
#include <QFileSystemModel>
#include <QMessageBox>
#include <filesystem>
#include <system_error>

#include "ui/qt/NativeNames.h"

namespace ign {
namespace {

QStringList FilterList(const TFileDialog& settings) {
  QStringList filters;
  for (const TFileFilter& filter : settings.filters) {
    filters << QString::fromUtf8(filter.description.data(), qsizetype(filter.description.size()));
  }
  return filters;
}

// Qt's dialog, which asks before replacing of the file that the chosen name
// stands for. Qt's own question looks at the name as Qt spells it, and a
// name with a byte that is no UTF-8 names nothing there: the file would be
// replaced without a word.
class TSaveFileDialog final : public QFileDialog {
 public:
  explicit TSaveFileDialog(QWidget* parent) : QFileDialog(parent) {
    setOption(QFileDialog::DontConfirmOverwrite);
  }

  void accept() override {
    const QStringList chosen = selectedFiles();
    if (!chosen.isEmpty() && !Replaces(chosen.first())) return;
    QFileDialog::accept();
  }

 private:
  // Whether saving may go on: true where nothing is in the way, where a
  // folder is chosen (the dialog goes into it) and where the user says Yes.
  bool Replaces(const QString& name) {
    const std::string native = NativeName(name);
    std::error_code error;
    if (!NativeExists(native) || std::filesystem::is_directory(native, error)) return true;
    const QString shown = ShownName(std::filesystem::path(native).filename().string());
    const QString question = QCoreApplication::translate(
        "QFileDialog", "%1 already exists.\nDo you want to replace it?");
    return QMessageBox::warning(this, windowTitle(), question.arg(shown),
                                QMessageBox::Yes | QMessageBox::No,
                                QMessageBox::No) == QMessageBox::Yes;
  }
};

}  // namespace

TQtFileDialog::~TQtFileDialog() { delete dialog_.data(); }

QFileDialog& TQtFileDialog::Prepare(QWidget& parent) {
  if (!dialog_) {
    const bool save = settings_.kind == TFileDialog::kSave;
    dialog_ = save ? new TSaveFileDialog(&parent) : new QFileDialog(&parent);
    // Qt's own dialog everywhere: its buttons follow the interface language
    // and a name typed into it comes back exactly as typed, symbolic links
    // in the folder part included.
    dialog_->setOption(QFileDialog::DontUseNativeDialog);
    dialog_->setOption(QFileDialog::DontResolveSymlinks);
    dialog_->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog_->setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog_->setNameFilters(FilterList(settings_));
    dialog_->setSizeGripEnabled(true);
    // Qt applies a chosen filter before it tells about it, so the listing
    // is corrected after Qt's own change.
    QObject::connect(dialog_, &QFileDialog::filterSelected, dialog_, [this] { FollowFilter(); });
  }
  const QStringList filters = dialog_->nameFilters();
  if (settings_.FilterIndex >= 1 && settings_.FilterIndex <= filters.size()) {
    dialog_->selectNameFilter(filters.at(settings_.FilterIndex - 1));
  }
  FollowFilter();
  if (!settings_.FileName.empty()) dialog_->selectFile(NameFromNative(settings_.FileName));
  return *dialog_;
}

void TQtFileDialog::FollowFilter() {
  const int selected = int(dialog_->nameFilters().indexOf(dialog_->selectedNameFilter())) + 1;
  const bool every_file = settings_.ListsEveryFile(selected);
  const std::string_view extension = every_file ? std::string_view() : settings_.default_extension;
  dialog_->setDefaultSuffix(QString::fromUtf8(extension.data(), qsizetype(extension.size())));
  if (!every_file) return;
  if (auto* model = dialog_->findChild<QFileSystemModel*>(QStringLiteral("qt_filesystem_model"))) {
    model->setNameFilters({QStringLiteral("*")});
  }
}

std::optional<QString> TQtFileDialog::Execute(QWidget& parent) {
  QFileDialog& dialog = Prepare(parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty()) return std::nullopt;
  return chosen.first();
}

}  // namespace ign
