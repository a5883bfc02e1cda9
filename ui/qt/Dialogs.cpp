#include "ui/qt/Dialogs.h"

#include <QCoreApplication>
#include <QMessageBox>

#include "ui/qt/FileDialog.h"

namespace ign {

std::optional<QString> TQtDialogs::AskOpenName(QWidget& parent, TQtFileDialog& dialog) {
  return dialog.Execute(parent);
}

std::optional<QString> TQtDialogs::AskSaveName(QWidget& parent, TQtFileDialog& dialog) {
  return dialog.Execute(parent);
}

void TQtDialogs::ShowMessage(QWidget& parent, const QString& text) {
  // Titled like the program, without an icon: the text alone tells what went wrong.
  QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), text, QMessageBox::Ok,
                  &parent);
  box.exec();
}

}  // namespace ign
