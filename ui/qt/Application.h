// The program's application object: an exception that escapes an event
// handler is shown to the user instead of ending the program.
#pragma once

#include <QApplication>
#include <QString>
#include <functional>

namespace ign {

class TApplication : public QApplication {
  Q_OBJECT

 public:
  TApplication(int& argc, char** argv);

  // Shows the exception's message and goes on with the next event.
  bool notify(QObject* receiver, QEvent* event) override;

  // Runs `body` (start-up and the event loop); an exception escaping it is
  // shown the same way, and then the call returns.
  void RunGuarded(const std::function<void()>& body);

 protected:
  // A critical message box with the text of the exception.
  virtual void ShowError(const QString& message);

 private:
  void ShowCurrentException();
};

}  // namespace ign
