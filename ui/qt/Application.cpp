#include "ui/qt/Application.h"

#include <QMessageBox>
#include <exception>

namespace ign {

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (...) {
    ShowCurrentException();
  }
  return false;
}

void TApplication::RunGuarded(const std::function<void()>& body) {
  try {
    body();
  } catch (...) {
    ShowCurrentException();
  }
}

void TApplication::ShowError(const QString& message) {
  QMessageBox::critical(activeWindow(), applicationName(), message);
}

void TApplication::ShowCurrentException() {
  try {
    throw;
  } catch (const std::exception& error) {
    ShowError(QString::fromLocal8Bit(error.what()));
  } catch (...) {
    ShowError(QStringLiteral("Unknown error"));
  }
}

}  // namespace ign
