// An exception escaping a handler is shown and the program goes on.
#include <QTimer>
#include <QtTest>
#include <stdexcept>

#include "ui/qt/Application.h"

namespace {

// Records the error boxes instead of showing them.
class TRecordingApplication : public ign::TApplication {
 public:
  using TApplication::TApplication;
  QStringList errors;

 protected:
  void ShowError(const QString& message) override { errors << message; }
};

class TThrowing : public QObject {
 public:
  bool event(QEvent* event) override {
    if (event->type() == QEvent::User) throw std::runtime_error("handler failed");
    if (event->type() == QEvent::User + 1) throw 42;
    return QObject::event(event);
  }
};

TRecordingApplication* App() { return static_cast<TRecordingApplication*>(qApp); }

}  // namespace

class TTestApplication : public QObject {
  Q_OBJECT

 private slots:
  void init() { App()->errors.clear(); }
  void HandlerExceptionIsShown_data();
  void HandlerExceptionIsShown();
  void LoopGoesOnAfterException();
  void StartUpExceptionIsShown();
};

void TTestApplication::HandlerExceptionIsShown_data() {
  QTest::addColumn<int>("type");
  QTest::addColumn<QString>("message");
  QTest::newRow("std::exception") << int(QEvent::User) << QStringLiteral("handler failed");
  QTest::newRow("anything else") << int(QEvent::User + 1) << QStringLiteral("Unknown error");
}

void TTestApplication::HandlerExceptionIsShown() {
  QFETCH(int, type);
  QFETCH(QString, message);
  TThrowing receiver;
  QEvent event(static_cast<QEvent::Type>(type));
  QCoreApplication::sendEvent(&receiver, &event);
  QCOMPARE(App()->errors, QStringList{message});
}

void TTestApplication::LoopGoesOnAfterException() {
  TThrowing receiver;
  bool later_event_ran = false;
  QCoreApplication::postEvent(&receiver, new QEvent(QEvent::User));
  QTimer::singleShot(0, [&] { later_event_ran = true; });
  QTRY_VERIFY(later_event_ran);
  QCOMPARE(App()->errors, QStringList{QStringLiteral("handler failed")});
}

void TTestApplication::StartUpExceptionIsShown() {
  bool after = false;
  App()->RunGuarded([] { throw std::runtime_error("start-up failed"); });
  App()->RunGuarded([&] { after = true; });
  QCOMPARE(App()->errors, QStringList{QStringLiteral("start-up failed")});
  QVERIFY(after);
}

int main(int argc, char* argv[]) {
  TRecordingApplication application(argc, argv);
  TTestApplication test;
  return QTest::qExec(&test, argc, argv);
}

#include "TestApplication.moc"
