// What the Qt window adds to a conversion: names as Qt holds them (any
// bytes on the way to the file system and back), the question before a
// file is replaced, and the status line with its report window.
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <cstdio>
#include <memory>
#include <string>

#include "FakeDialogs.h"
#include "params/Convert.h"
#include "ui/core/Language.h"
#include "ui/qt/Hlav.h"
#include "ui/qt/NativeNames.h"
#include "ui/qt/ReportWindow.h"

using ign::TFormHlav;

namespace {

QByteArray Example(const char* name) {
  QFile file(QStringLiteral(IGN_EXAMPLES_DIR "/") + QLatin1String(name));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray Converted(const QByteArray& text) {
  std::string out;
  ign::ConvertFresh(text.toStdString(), out);
  return QByteArray::fromStdString(out);
}

// Reads and writes by the file system's own name, which need not be UTF-8.
QByteArray ReadNative(const std::string& name) {
  QByteArray bytes;
  if (std::FILE* file = std::fopen(name.c_str(), "rb")) {
    char buffer[4096];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, file)) > 0;) {
      bytes.append(buffer, qsizetype(got));
    }
    std::fclose(file);
  }
  return bytes;
}

bool WriteNative(const std::string& name, const QByteArray& bytes) {
  std::FILE* file = std::fopen(name.c_str(), "wb");
  if (file == nullptr) return false;
  const bool written =
      std::fwrite(bytes.constData(), 1, size_t(bytes.size()), file) == size_t(bytes.size());
  return std::fclose(file) == 0 && written;
}

struct TSession {
  TSession() {
    ign::LanguageIndex = ign::kEnglish;
    form = std::make_unique<TFormHlav>(std::vector<std::string>{"ign-converter"}, dialogs);
  }
  std::string Native(const char* name) const {
    return QFile::encodeName(dir.path()).toStdString() + "/" + name;
  }
  void Open(std::optional<QString> open, std::optional<QString> save) {
    dialogs.open_answers = {std::move(open)};
    dialogs.save_answers = {std::move(save)};
    form->MenuOpen->trigger();
  }

  QTemporaryDir dir;
  ign::test::TFakeDialogs dialogs;
  std::unique_ptr<TFormHlav> form;
};

}  // namespace

class TTestConversion : public QObject {
  Q_OBJECT

 private slots:
  void NamesAsQtHoldsThem_data();
  void NamesAsQtHoldsThem();
  void ReplaceAskedOfTheRealFile_data();
  void ReplaceAskedOfTheRealFile();
  void StatusLineAndReportWindow();
  void WarningStandsOut_data();
  void WarningStandsOut();
  void ReportWindowFitsItsLines_data();
  void ReportWindowFitsItsLines();
};

// A name need not be UTF-8. Qt's dialog shows a byte that is none as U+FFFD;
// a name that went through NameFromNative carries it as it is. Either way
// the file that has the name is read, and the name is shown as Qt shows it.
void TTestConversion::NamesAsQtHoldsThem_data() {
  QTest::addColumn<QByteArray>("input");
  QTest::addColumn<QByteArray>("output");
  QTest::addColumn<bool>("as_qt_shows_it");
  QTest::newRow("UTF-8") << QByteArray("Zündung Öl.ign") << QByteArray("réglage été.ign") << true;
  QTest::newRow("markup and ampersand")
      << QByteArray("<b>a&amp;.ign") << QByteArray("&b.ign") << true;
  QTest::newRow("no UTF-8, as Qt shows it")
      << QByteArray("bad\xff.ign") << QByteArray("out\xfe.ign") << true;
  QTest::newRow("no UTF-8, as kept")
      << QByteArray("bad\xff.ign") << QByteArray("out\xfe.ign") << false;
}

void TTestConversion::NamesAsQtHoldsThem() {
  QFETCH(QByteArray, input);
  QFETCH(QByteArray, output);
  QFETCH(bool, as_qt_shows_it);
  TSession session;
  const std::string input_name = session.Native(input.constData());
  const std::string output_name = session.Native(output.constData());
  QVERIFY(WriteNative(input_name, Example("kart-100.ign")));
  const auto as_qt_holds = [&](const std::string& name) {
    return as_qt_shows_it ? ign::ShownName(name) : ign::NameFromNative(name);
  };
  QCOMPARE(ign::NativeName(as_qt_holds(input_name)), input_name);

  // A new name as Qt shows it would mean U+FFFD itself: no file has it yet.
  session.Open(as_qt_holds(input_name), ign::NameFromNative(output_name));

  QCOMPARE(session.dialogs.messages, QStringList{});
  QCOMPARE(ReadNative(output_name), Converted(Example("kart-100.ign")));
  QCOMPARE(session.form->LabelFile2->text(), ign::ShownName(input_name));
  QCOMPARE(session.form->LabelFile5->text(), ign::ShownName(output_name));
  QCOMPARE(session.dialogs.save_shown, QStringList{ign::ShownName(input_name)});
  QCOMPARE(session.form->LabelFile2->textFormat(), Qt::PlainText);
  // QTemporaryDir cannot name these to remove them.
  std::remove(input_name.c_str());
  std::remove(output_name.c_str());
}

// The save dialog asks before replacing whatever file the chosen name stands
// for, also where that name is no UTF-8 and Qt alone would find no file.
void TTestConversion::ReplaceAskedOfTheRealFile_data() {
  QTest::addColumn<QByteArray>("file");  // what is there already; empty: nothing
  QTest::addColumn<int>("form");         // the chosen name: 0 as kept, 1 as Qt shows it
  QTest::addColumn<bool>("yes");
  QTest::newRow("UTF-8 name, No") << QByteArray("taken.ign") << 0 << false;
  QTest::newRow("no UTF-8, as kept, No") << QByteArray("bad\xff.ign") << 0 << false;
  QTest::newRow("no UTF-8, as kept, Yes") << QByteArray("bad\xff.ign") << 0 << true;
  QTest::newRow("no UTF-8, as Qt shows it, No") << QByteArray("bad\xff.ign") << 1 << false;
  QTest::newRow("new name") << QByteArray() << 0 << false;
}

void TTestConversion::ReplaceAskedOfTheRealFile() {
  QFETCH(QByteArray, file);
  QFETCH(int, form);
  QFETCH(bool, yes);
  TSession session;
  const std::string target = session.Native(file.isEmpty() ? "new.ign" : file.constData());
  if (!file.isEmpty()) QVERIFY(WriteNative(target, "old"));
  ign::TQtFileDialog& save = session.form->QtSaveDialog1;
  save.Settings().FileName = form == 0 ? target : ign::NativeName(ign::ShownName(target));
  QFileDialog& dialog = save.Prepare(*session.form);

  // Pressing Save; the question is modal and answered as soon as it shows.
  QString asked;
  QTimer::singleShot(0, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      asked = box->text();
      box->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
    }
  });
  dialog.open();
  QMetaObject::invokeMethod(&dialog, "accept", Qt::DirectConnection);
  QCoreApplication::processEvents();

  QCOMPARE(asked.isEmpty(), file.isEmpty());
  if (!file.isEmpty())
    QVERIFY2(asked.startsWith(ign::ShownName(file.toStdString())), qPrintable(asked));
  const bool accepted = dialog.result() == QDialog::Accepted;
  QCOMPARE(accepted, file.isEmpty() || yes);
  QCOMPARE(dialog.isVisible(), !accepted);  // after No the user may choose again
  if (accepted) QCOMPARE(ign::NativeName(dialog.selectedFiles().value(0)), target);
  dialog.reject();
  QCOMPARE(ReadNative(target), file.isEmpty() ? QByteArray() : QByteArray("old"));
  std::remove(target.c_str());
}

// The example with "LIMITER" 15000, which wraps to 2200, as `name` in the
// session's folder.
QString WrappedInput(const TSession& session, const char* name = "in.ign") {
  const QString input = session.dir.filePath(QLatin1String(name));
  WriteNative(input.toStdString(),
              Example("kart-100.ign").replace("LIMITER       11000", "LIMITER       15000"));
  return input;
}

void TTestConversion::StatusLineAndReportWindow() {
  TSession session;
  session.form->show();
  const QString input = WrappedInput(session);
  session.form->MenuGerman->trigger();
  session.Open(input, session.dir.filePath(QStringLiteral("out.ign")));
  QVERIFY(session.form->LabelStatus1->isVisible());
  QCOMPARE(session.form->LabelStatus1->text(),
           QStringLiteral("Umgewandelt. 1 Wert unerwartet verändert."));
  QVERIFY(session.form->ButtonDetails1->isVisible());
  ign::TFormReport& details = *session.form->FormReport;
  QVERIFY(!details.isVisible());

  QTest::mouseClick(session.form->ButtonDetails1, Qt::LeftButton);
  QVERIFY(details.isVisible());
  QVERIFY(!details.isModal());
  QCOMPARE(details.windowTitle(), QStringLiteral("Umwandlungsbericht"));
  const QString text = details.MemoReport1->toPlainText();
  QCOMPARE(text.toStdString(), session.form->StatusReport.ReportText());
  // An open report follows the language.
  session.form->MenuEnglish->trigger();
  QVERIFY(details.MemoReport1->toPlainText().endsWith(QStringLiteral(
      "; 1 value changed unexpectedly (1 wrapped); expected: 45 adjusted, 30 dropped\n")));

  QGuiApplication::clipboard()->clear();
  QTest::mouseClick(details.ButtonCopy1, Qt::LeftButton);
  QCOMPARE(QGuiApplication::clipboard()->text(), details.MemoReport1->toPlainText());

  // The main window stays usable, and the next failure closes the report.
  session.Open(session.dir.filePath(QStringLiteral("missing.ign")), std::nullopt);
  QVERIFY(!details.isVisible());
  QVERIFY(!session.form->LabelStatus1->isVisible());
  QVERIFY(!session.form->ButtonDetails1->isVisible());
}

// Values changed unexpectedly: the style's warning sign before the line, the
// line in bold. A clean file's line is plain text without a sign.
void TTestConversion::WarningStandsOut_data() {
  QTest::addColumn<bool>("wrapped");
  QTest::newRow("clean") << false;
  QTest::newRow("wrapped value") << true;
}

void TTestConversion::WarningStandsOut() {
  QFETCH(bool, wrapped);
  TSession session;
  session.form->show();
  const QString input = session.dir.filePath(QStringLiteral("kart.ign"));
  QVERIFY(QFile::copy(QStringLiteral(IGN_EXAMPLES_DIR "/kart-100.ign"), input));
  session.Open(wrapped ? WrappedInput(session) : input, session.dir.filePath("out.ign"));
  ign::TFormHlav& form = *session.form;
  QVERIFY(form.LabelStatus1->isVisible());
  QCOMPARE(form.ImageWarning1->isVisible(), wrapped);
  QCOMPARE(form.LabelStatus1->font().bold(), wrapped);
  const QIcon sign = form.style()->standardIcon(QStyle::SP_MessageBoxWarning);
  QCOMPARE(form.ImageWarning1->pixmap().toImage(),
           sign.pixmap(form.ImageWarning1->pixmap().size()).toImage());
  // A button, raised as buttons are, not a word among the others.
  QVERIFY(!form.ButtonDetails1->autoRaise());
  QCOMPARE(form.ButtonDetails1->focusPolicy() & Qt::TabFocus, Qt::TabFocus);

  // Another conversion that fails takes the sign away with the line.
  session.Open(session.dir.filePath(QStringLiteral("missing.ign")), std::nullopt);
  QVERIFY(!form.ImageWarning1->isVisible());
}

// In each language the report window opens as wide as its widest line needs,
// unless the screen is narrower, and Escape or Close closes it.
void TTestConversion::ReportWindowFitsItsLines_data() {
  QTest::addColumn<int>("language");
  QTest::addColumn<bool>("by_escape");
  QTest::newRow("English, Escape") << int(ign::kEnglish) << true;
  QTest::newRow("German, Close") << int(ign::kGerman) << false;
  QTest::newRow("French, Escape") << int(ign::kFrench) << true;
}

void TTestConversion::ReportWindowFitsItsLines() {
  QFETCH(int, language);
  QFETCH(bool, by_escape);
  TSession session;
  session.form->show();
  QAction* items[] = {session.form->MenuEnglish, session.form->MenuGerman,
                      session.form->MenuFrench};
  items[language]->trigger();
  session.Open(WrappedInput(session), session.dir.filePath(QStringLiteral("out.ign")));
  ign::TFormReport& details = *session.form->FormReport;
  QTest::mouseClick(session.form->ButtonDetails1, Qt::LeftButton);
  QVERIFY(QTest::qWaitForWindowExposed(&details));
  QCoreApplication::processEvents();

  const QRect screen = details.screen()->availableGeometry();
  QVERIFY2(details.MemoReport1->horizontalScrollBar()->maximum() == 0 ||
               details.width() == screen.width(),
           qPrintable(QStringLiteral("%1 wide").arg(details.width())));
  QVERIFY(details.width() <= screen.width());
  QVERIFY(details.height() <= screen.height());

  if (by_escape) {
    QTest::keyClick(details.MemoReport1, Qt::Key_Escape);
  } else {
    QTest::mouseClick(details.ButtonClose1, Qt::LeftButton);
  }
  QVERIFY(!details.isVisible());
  QVERIFY(session.form->isVisible());
}

QTEST_MAIN(TTestConversion)
#include "TestConversion.moc"
