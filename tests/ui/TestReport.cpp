// What the window says after a conversion, through the dialog seam: the
// status line in three languages, cleared by a conversion that does not end
// in a file, and the details window with the report and its copy button.
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <memory>
#include <string>

#include "FakeDialogs.h"
#include "params/Convert.h"
#include "report/Reporter.h"
#include "ui/Hlav.h"
#include "ui/Language.h"
#include "ui/ReportWindow.h"
#include "ui/StatusReport.h"

using ign::TFormHlav;

namespace {

QByteArray Example() {
  QFile file(QStringLiteral(IGN_EXAMPLES_DIR "/kart-100.ign"));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The example with one speed out of range: it wraps.
QByteArray WrappedExample() {
  return Example().replace("LIMITER       11000", "LIMITER       15000");
}

// How many values ign-convert finds changed unexpectedly in `text`.
std::size_t UnexpectedInFreshRun(const QByteArray& text) {
  ign::TReporter reporter;
  ign::TParameterSet written;
  std::string out;
  ign::ConvertFresh(text.toStdString(), out, &reporter, &written);
  ign::TReasonCounts counts;
  reporter.Report(written, counts);
  return counts.Unexpected();
}

struct TSession {
  explicit TSession(std::uint8_t language = ign::kEnglish) {
    ign::LanguageIndex = language;
    form = std::make_unique<TFormHlav>(QStringList{QStringLiteral("ign-converter")}, dialogs);
  }
  QString Write(const QString& name, const QByteArray& bytes) {
    QFile file(dir.filePath(name));
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
    return file.fileName();
  }
  void Open(std::optional<QString> open, std::optional<QString> save) {
    dialogs.open_answers = {std::move(open)};
    dialogs.save_answers = {std::move(save)};
    form->MenuOpen->trigger();
  }
  void Convert(const QByteArray& text) {
    Open(Write(QStringLiteral("in.ign"), text), dir.filePath(QStringLiteral("out.ign")));
  }
  QString Line() const {
    const QLabel* label = form->StatusReport->LabelStatus1;
    return label->isVisibleTo(form.get()) ? label->text() : QString();
  }
  bool DetailsOffered() const {
    return form->StatusReport->ButtonDetails1->isVisibleTo(form.get());
  }
  ign::TFormReport& Details() const { return *form->StatusReport->FormReport; }

  QTemporaryDir dir;
  ign::test::TFakeDialogs dialogs;
  std::unique_ptr<TFormHlav> form;
};

}  // namespace

class TTestReport : public QObject {
  Q_OBJECT

 private slots:
  void StatusLine_data();
  void StatusLine();
  void LineFollowsTheLanguage();
  void ClearedWhenNoFileIsWritten();
  void Details_data();
  void Details();
  void DetailsTellWhatTheSetCarries();
};

void TTestReport::StatusLine_data() {
  QTest::addColumn<int>("language");
  QTest::addColumn<QByteArray>("text");
  QTest::addColumn<QString>("line");
  const QByteArray several = "ZANTROVA_KEY 37 LIMITER 15000 12790 9000";
  const QString count = QString::number(UnexpectedInFreshRun(several));
  QTest::newRow("clean") << int(ign::kEnglish) << Example()
                         << "Converted. No value changed unexpectedly.";
  QTest::newRow("one") << int(ign::kEnglish) << WrappedExample()
                       << "Converted. 1 value changed unexpectedly.";
  QTest::newRow("several") << int(ign::kEnglish) << several
                           << "Converted. " + count + " values changed unexpectedly.";
  QTest::newRow("German clean") << int(ign::kGerman) << Example()
                                << "Umgewandelt. Kein Wert unerwartet verändert.";
  QTest::newRow("German one") << int(ign::kGerman) << WrappedExample()
                              << "Umgewandelt. 1 Wert unerwartet verändert.";
  QTest::newRow("German several") << int(ign::kGerman) << several
                                  << "Umgewandelt. " + count + " Werte unerwartet verändert.";
  QTest::newRow("French clean") << int(ign::kFrench) << Example()
                                << "Converti. Aucune valeur modifiée de façon inattendue.";
  QTest::newRow("French one") << int(ign::kFrench) << WrappedExample()
                              << "Converti. 1 valeur modifiée de façon inattendue.";
  QTest::newRow("French several") << int(ign::kFrench) << several
                                  << "Converti. " + count +
                                         " valeurs modifiées de façon inattendue.";
}

void TTestReport::StatusLine() {
  QFETCH(int, language);
  QFETCH(QByteArray, text);
  QFETCH(QString, line);
  QVERIFY(UnexpectedInFreshRun(WrappedExample()) == 1);
  TSession session{static_cast<std::uint8_t>(language)};
  QCOMPARE(session.Line(), QString());
  QVERIFY(!session.DetailsOffered());
  session.Convert(text);
  QVERIFY(session.dialogs.messages.isEmpty());
  QCOMPARE(session.Line(), line);
  QVERIFY(session.DetailsOffered());
  QVERIFY(session.form->StatusBar1->currentMessage().isEmpty());
}

void TTestReport::LineFollowsTheLanguage() {
  TSession session;
  session.Convert(WrappedExample());
  session.form->MenuGerman->trigger();
  QCOMPARE(session.Line(), QStringLiteral("Umgewandelt. 1 Wert unerwartet verändert."));
  QCOMPARE(session.form->StatusReport->ButtonDetails1->text(), QStringLiteral("Details"));
  session.form->MenuFrench->trigger();
  QCOMPARE(session.form->StatusReport->ButtonDetails1->text(), QStringLiteral("Détails"));
  session.form->MenuEnglish->trigger();
  QCOMPARE(session.Line(), QStringLiteral("Converted. 1 value changed unexpectedly."));
}

void TTestReport::ClearedWhenNoFileIsWritten() {
  TSession session;
  const QString line = QStringLiteral("Converted. No value changed unexpectedly.");
  const QString input = session.Write(QStringLiteral("in.ign"), Example());
  // A cancelled open dialog starts no conversion and changes nothing.
  session.Convert(Example());
  session.Open(std::nullopt, std::nullopt);
  QCOMPARE(session.Line(), line);
  // Cancelled save dialog.
  session.Open(input, std::nullopt);
  QCOMPARE(session.Line(), QString());
  QVERIFY(!session.DetailsOffered());
  // A file that is no version-2005 file.
  session.Convert(Example());
  session.Open(session.Write(QStringLiteral("v2006.ign"), "ZANTROVA_KEY 51"), std::nullopt);
  QCOMPARE(session.dialogs.messages.size(), 1);
  QCOMPARE(session.Line(), QString());
  // An output that cannot be written.
  session.Convert(Example());
  session.Open(input, session.dir.filePath(QStringLiteral("no/such/folder/out.ign")));
  QCOMPARE(session.dialogs.messages.size(), 2);
  QCOMPARE(session.Line(), QString());
  QVERIFY(!session.Details().isVisible());
}

void TTestReport::Details_data() {
  QTest::addColumn<int>("language");
  QTest::addColumn<QString>("caption");
  QTest::addColumn<QString>("wrapped");
  QTest::newRow("English") << int(ign::kEnglish) << "Conversion report"
                           << "wrapped: out of range, wrapped";
  QTest::newRow("German") << int(ign::kGerman) << "Umwandlungsbericht"
                          << "wrapped: außerhalb des Bereichs, übergelaufen";
  QTest::newRow("French") << int(ign::kFrench) << "Rapport de conversion"
                          << "wrapped: hors limites, débordement";
}

void TTestReport::Details() {
  QFETCH(int, language);
  QFETCH(QString, caption);
  QFETCH(QString, wrapped);
  TSession session{static_cast<std::uint8_t>(language)};
  session.form->show();
  session.Convert(WrappedExample());
  QVERIFY(!session.Details().isVisible());
  QTest::mouseClick(session.form->StatusReport->ButtonDetails1, Qt::LeftButton);
  ign::TFormReport& details = session.Details();
  QVERIFY(details.isVisible());
  QVERIFY(!details.isModal());
  QCOMPARE(details.windowTitle(), caption);

  const QString text = details.MemoReport1->toPlainText();
  const QString input = session.dir.filePath(QStringLiteral("in.ign"));
  QVERIFY2(text.startsWith(input + ":\n"), qPrintable(text));
  // Line, key and element, from and to, reason, as ign-convert prints them.
  const QStringList rows = text.split(QLatin1Char('\n'));
  const auto limiter = std::find_if(rows.begin(), rows.end(), [](const QString& row) {
    return row.contains(QStringLiteral("LIMITER[0]"));
  });
  QVERIFY2(limiter != rows.end(), qPrintable(text));
  QVERIFY2(limiter->contains(QStringLiteral("15000 -> 2200")), qPrintable(*limiter));
  QVERIFY2(limiter->endsWith(wrapped), qPrintable(*limiter));
  QVERIFY(QRegularExpression(QStringLiteral("^ +\\d+  LIMITER\\[0\\]")).match(*limiter).hasMatch());
  QVERIFY(text.endsWith(session.Line() + QLatin1Char('\n')));
  // The expected adjustment is listed but not counted.
  QVERIFY(text.contains(QStringLiteral("adjusted: ")));

  QGuiApplication::clipboard()->clear();
  QTest::mouseClick(details.ButtonCopy1, Qt::LeftButton);
  QCOMPARE(QGuiApplication::clipboard()->text(), text);

  // The main window stays usable, and the next failure closes the report.
  session.Open(session.Write(QStringLiteral("v2006.ign"), "ZANTROVA_KEY 51"), std::nullopt);
  QVERIFY(!details.isVisible());
}

void TTestReport::DetailsTellWhatTheSetCarries() {
  TSession session;
  session.Convert(Example());
  session.Convert("ZANTROVA_KEY 37\nMODE 1 2\n");
  const QString text = session.form->StatusReport->ReportText();
  const QStringList rows = text.split(QLatin1Char('\n'));
  const auto bike = std::find_if(rows.begin(), rows.end(), [](const QString& row) {
    return row.contains(QStringLiteral("BIKE[0]"));
  });
  QVERIFY2(bike != rows.end(), qPrintable(text));
  // The first file's BIKE, kept in the window's one set.
  QVERIFY2(bike->contains(QStringLiteral("-> 7 ")), qPrintable(*bike));
  QVERIFY2(bike->contains(QStringLiteral("missing-key: key missing, value kept from before")),
           qPrintable(*bike));
  QVERIFY(!text.contains(QStringLiteral("MODE[")));
}

QTEST_MAIN(TTestReport)
#include "TestReport.moc"
