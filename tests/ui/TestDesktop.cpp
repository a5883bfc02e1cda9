// What a user brings from the desktop: a file named on the command line, no
// settings left behind, files without an extension, long and odd file names.
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "FakeDialogs.h"
#include "ui/Arguments.h"
#include "ui/Hlav.h"
#include "ui/Language.h"
#include "ui/NoSettings.h"

using ign::TArguments;
using ign::TFormHlav;

namespace {

std::unique_ptr<TFormHlav> NewForm(ign::test::TFakeDialogs& dialogs, const TArguments& arguments) {
  ign::LanguageIndex = ign::kEnglish;
  return std::make_unique<TFormHlav>(arguments, dialogs);
}

bool CopyExample(const char* name, const QString& to) {
  return QFile::copy(QStringLiteral(IGN_EXAMPLES_DIR "/") + QLatin1String(name), to);
}

}  // namespace

class TTestDesktop : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void Arguments_data();
  void Arguments();
  void FileArgumentConvertsOnShow();
  void FileArgumentCannotBeOpened();
  void NothingStoredInHome();
  void AllFilesListsEveryName();
  void LongNamesElidedInTheMiddle();
  void NamesArePlainText();
};

void TTestDesktop::initTestCase() { ign::DisableStoredSettings(); }

void TTestDesktop::Arguments_data() {
  QTest::addColumn<QStringList>("received");
  QTest::addColumn<QStringList>("left");  // after Qt took its own options
  QTest::addColumn<int>("language");
  QTest::addColumn<QString>("file");
  const QStringList none;
  QTest::newRow("nothing") << none << none << 0 << "";
  QTest::newRow("language only") << QStringList{"FRENCH"} << QStringList{"FRENCH"} << 2 << "";
  QTest::newRow("language and file")
      << QStringList{"DEUTSCH", "a.ign"} << QStringList{"DEUTSCH", "a.ign"} << 1 << "a.ign";
  QTest::newRow("file only") << QStringList{"a.ign"} << QStringList{"a.ign"} << 0 << "a.ign";
  QTest::newRow("file first: no language")
      << QStringList{"a.ign", "FRENCH"} << QStringList{"a.ign", "FRENCH"} << 0 << "a.ign";
  QTest::newRow("two languages, no file")
      << QStringList{"ENGLISH", "FRENCH"} << QStringList{"ENGLISH", "FRENCH"} << 0 << "";
  QTest::newRow("lower-case word is a file")
      << QStringList{"deutsch"} << QStringList{"deutsch"} << 0 << "deutsch";
  QTest::newRow("Qt option first: English, no file")
      << QStringList{"-reverse", "FRENCH"} << QStringList{"FRENCH"} << 0 << "";
  QTest::newRow("Qt option and value taken out")
      << QStringList{"-platform", "xcb", "b.ign"} << QStringList{"b.ign"} << 0 << "b.ign";
  QTest::newRow("only the first file")
      << QStringList{"a.ign", "b.ign"} << QStringList{"a.ign", "b.ign"} << 0 << "a.ign";
}

void TTestDesktop::Arguments() {
  QFETCH(QStringList, received);
  QFETCH(QStringList, left);
  QFETCH(int, language);
  QFETCH(QString, file);
  received.prepend(QStringLiteral("ign-converter"));
  left.prepend(QStringLiteral("ign-converter"));
  const TArguments arguments(received, left);
  QCOMPARE(int(ign::LanguageOfArguments(arguments, ign::kEnglish)), language);
  QCOMPARE(ign::FileOfArguments(arguments), file);
}

void TTestDesktop::FileArgumentConvertsOnShow() {
  QTemporaryDir dir;
  const QString input = dir.filePath(QStringLiteral("kart.ign"));
  QVERIFY(CopyExample("kart-100.ign", input));
  ign::test::TFakeDialogs dialogs;
  dialogs.save_answers.push_back(dir.filePath(QStringLiteral("kart-2006.ign")));
  // Relative to the folder the program starts in, as a shell passes it.
  const QString start_folder = QDir::currentPath();
  QVERIFY(QDir::setCurrent(dir.path()));
  auto form = NewForm(dialogs, QStringList{"ign-converter", "DEUTSCH", "kart.ign"});
  QVERIFY(QDir::setCurrent(start_folder));
  QVERIFY(dialogs.save_shown.empty());  // nothing before the window is shown

  form->show();
  QTRY_COMPARE(dialogs.save_shown.size(), size_t(1));
  QVERIFY(dialogs.open_shown.empty());
  QCOMPARE(dialogs.save_shown.front().file_name, input);
  QCOMPARE(form->LabelFile2->text(), input);
  QCOMPARE(form->OpenDialog1.FileName, input);
  QCOMPARE(QFileInfo(dir.filePath(QStringLiteral("kart-2006.ign"))).size(), qint64(12844));
  QCOMPARE(form->MenuFile->title(), QStringLiteral("&Datei"));

  form->hide();
  form->show();  // a second show converts nothing more
  QTest::qWait(50);
  QCOMPARE(dialogs.save_shown.size(), size_t(1));
}

void TTestDesktop::FileArgumentCannotBeOpened() {
  QTemporaryDir dir;
  ign::test::TFakeDialogs dialogs;
  auto form =
      NewForm(dialogs, QStringList{"ign-converter", dir.filePath(QStringLiteral("gone.ign"))});
  form->show();
  QTRY_COMPARE(dialogs.messages, QStringList{QStringLiteral("Open file error!")});
  QVERIFY(dialogs.save_shown.empty());
  QCOMPARE(form->LabelFile2->text(), QStringLiteral("----------"));
}

void TTestDesktop::NothingStoredInHome() {
  // The test runs with a home of its own (see CMakeLists.txt).
  QDir home(QDir::homePath());
  QVERIFY(home.path().contains(QLatin1String("home-TestDesktop")));
  QVERIFY(home.removeRecursively() && home.mkpath(home.path()));  // what earlier runs left
  {
    ign::test::TFakeDialogs dialogs;
    auto form = NewForm(dialogs, QStringList{"ign-converter"});
    form->show();
    QFileDialog& dialog = form->OpenDialog1.Prepare(*form);
    dialog.setDirectory(QDir::tempPath());  // something worth remembering
    dialog.show();
    QCoreApplication::processEvents();
    dialog.reject();
  }  // the dialog saves its state when it is destroyed
  QCOMPARE(home.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
}

void TTestDesktop::AllFilesListsEveryName() {
  QTemporaryDir dir;
  for (const char* name : {"engine", "map.ign", "notes.txt"}) {
    QFile file(dir.filePath(QLatin1String(name)));
    QVERIFY(file.open(QIODevice::WriteOnly));
  }
  ign::test::TFakeDialogs dialogs;
  auto form = NewForm(dialogs, QStringList{"ign-converter"});
  QFileDialog& dialog = form->OpenDialog1.Prepare(*form);
  dialog.setDirectory(dir.path());
  auto* model = dialog.findChild<QFileSystemModel*>();
  QVERIFY(model);
  const auto listed = [&] {
    QStringList names;
    const QModelIndex folder = model->index(dir.path());
    for (int row = 0; row < model->rowCount(folder); ++row) {
      const QModelIndex item = model->index(row, 0, folder);
      // Names the filter hides stay in the model, disabled.
      if (model->flags(item) & Qt::ItemIsEnabled) names << item.data().toString();
    }
    names.sort();
    return names;
  };
  QTRY_COMPARE(listed(), QStringList{"map.ign"});
  QCOMPARE(dialog.defaultSuffix(), QStringLiteral("ign"));

  // As the user's pick in the filter box: Qt applies it, then tells.
  dialog.selectNameFilter(QStringLiteral("All Files (*.*)"));
  emit dialog.filterSelected(QStringLiteral("All Files (*.*)"));
  QTRY_COMPARE(listed(), (QStringList{"engine", "map.ign", "notes.txt"}));
  QCOMPARE(dialog.defaultSuffix(), QString());  // "engine" is taken as typed

  dialog.selectNameFilter(QStringLiteral("Ignition Parametrs(*.ign)"));
  emit dialog.filterSelected(QStringLiteral("Ignition Parametrs(*.ign)"));
  QTRY_COMPARE(listed(), QStringList{"map.ign"});
  QCOMPARE(dialog.defaultSuffix(), QStringLiteral("ign"));
}

void TTestDesktop::LongNamesElidedInTheMiddle() {
  ign::test::TFakeDialogs dialogs;
  auto form = NewForm(dialogs, QStringList{"ign-converter"});
  form->show();
  const QString name = QStringLiteral("/data/") + QString(300, QLatin1Char('d')) +
                       QStringLiteral("/the-end-of-the-name.ign");
  form->LabelFile2->SetFileName(name);
  const QString shown = form->LabelFile2->text();
  QVERIFY2(shown.size() < name.size(), qPrintable(shown));
  QVERIFY(shown.startsWith(QLatin1String("/data/")));
  QVERIFY(shown.endsWith(QLatin1String("the-end-of-the-name.ign")));
  QVERIFY(shown.contains(QChar(0x2026)));
  QCOMPARE(form->LabelFile2->toolTip(), name);
  const int right_edge = form->LabelFile2->geometry().right();
  QVERIFY(right_edge < form->centralWidget()->width());

  form->resize(form->width() + 300, form->height());  // more room, more of the name
  QTRY_VERIFY(form->LabelFile2->text().size() > shown.size());

  form->LabelFile5->SetFileName(QStringLiteral("/short.ign"));
  QCOMPARE(form->LabelFile5->text(), QStringLiteral("/short.ign"));
}

void TTestDesktop::NamesArePlainText() {
  ign::test::TFakeDialogs dialogs;
  auto form = NewForm(dialogs, QStringList{"ign-converter"});
  const QString name = QStringLiteral("/tmp/<u>a</u>&amp;.ign");
  form->LabelFile2->SetFileName(name);
  QCOMPARE(form->LabelFile2->textFormat(), Qt::PlainText);
  QCOMPARE(form->LabelFile2->text(), name);
  for (QLabel* label : form->findChildren<QLabel*>(QRegularExpression("^LabelFile"))) {
    QCOMPARE(label->textFormat(), Qt::PlainText);
  }
}

QTEST_MAIN(TTestDesktop)
#include "TestDesktop.moc"
