// What a user brings from the desktop: a file named on the command line or
// dropped on the window, no settings left behind, files without an
// extension, long and odd file names.
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QMenu>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>
#include <memory>

#include "FakeDialogs.h"
#include "ui/core/Language.h"
#include "ui/qt/Hlav.h"
#include "ui/qt/NoSettings.h"

using ign::TFormHlav;

namespace {

std::unique_ptr<TFormHlav> NewForm(ign::test::TFakeDialogs& dialogs,
                                   const std::vector<std::string>& arguments) {
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
  void FileArgumentConvertsOnShow();
  void FileArgumentCannotBeOpened();
  void NothingStoredInHome();
  void AllFilesListsEveryName();
  void LongNamesElidedInTheMiddle();
  void NamesArePlainText();
  void Drop_data();
  void Drop();
};

void TTestDesktop::initTestCase() { ign::DisableStoredSettings(); }

void TTestDesktop::FileArgumentConvertsOnShow() {
  QTemporaryDir dir;
  const QString input = dir.filePath(QStringLiteral("kart.ign"));
  QVERIFY(CopyExample("kart-100.ign", input));
  ign::test::TFakeDialogs dialogs;
  dialogs.save_answers.push_back(dir.filePath(QStringLiteral("kart-2006.ign")));
  // Relative to the folder the program starts in, as a shell passes it.
  const QString start_folder = QDir::currentPath();
  QVERIFY(QDir::setCurrent(dir.path()));
  auto form = NewForm(dialogs, {"ign-converter", "DEUTSCH", "kart.ign"});
  QVERIFY(QDir::setCurrent(start_folder));
  QVERIFY(dialogs.save_shown.empty());  // nothing before the window is shown

  form->show();
  QTRY_COMPARE(dialogs.save_shown.size(), 1);
  QVERIFY(dialogs.open_shown.empty());
  QCOMPARE(dialogs.save_shown.front(), input);
  QCOMPARE(form->LabelFile2->text(), input);
  QCOMPARE(form->OpenDialog1.FileName, input.toStdString());
  QCOMPARE(QFileInfo(dir.filePath(QStringLiteral("kart-2006.ign"))).size(), qint64(12844));
  QCOMPARE(form->MenuFile->title(), QStringLiteral("&Datei"));

  form->hide();
  form->show();  // a second show converts nothing more
  QTest::qWait(50);
  QCOMPARE(dialogs.save_shown.size(), 1);
}

void TTestDesktop::FileArgumentCannotBeOpened() {
  QTemporaryDir dir;
  ign::test::TFakeDialogs dialogs;
  auto form =
      NewForm(dialogs, {"ign-converter", dir.filePath(QStringLiteral("gone.ign")).toStdString()});
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
    auto form = NewForm(dialogs, {"ign-converter"});
    form->show();
    QFileDialog& dialog = form->QtOpenDialog1.Prepare(*form);
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
  auto form = NewForm(dialogs, {"ign-converter"});
  QFileDialog& dialog = form->QtOpenDialog1.Prepare(*form);
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
  auto form = NewForm(dialogs, {"ign-converter"});
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
  auto form = NewForm(dialogs, {"ign-converter"});
  const QString name = QStringLiteral("/tmp/<u>a</u>&amp;.ign");
  form->LabelFile2->SetFileName(name);
  QCOMPARE(form->LabelFile2->textFormat(), Qt::PlainText);
  QCOMPARE(form->LabelFile2->text(), name);
  for (QLabel* label : form->findChildren<QLabel*>(QRegularExpression("^LabelFile"))) {
    QCOMPARE(label->textFormat(), Qt::PlainText);
  }
}

void TTestDesktop::Drop_data() {
  QTest::addColumn<QStringList>("urls");
  QTest::addColumn<bool>("accepted");
  QTest::addColumn<QString>("converted");  // the input converted, if any
  QTest::newRow("one file") << QStringList{"file:kart.ign"} << true << "kart.ign";
  QTest::newRow("several files: the first")
      << QStringList{"file:kart.ign", "file:enduro.ign"} << true << "kart.ign";
  QTest::newRow("remote item") << QStringList{"https://example.org/kart.ign"} << false << "";
  QTest::newRow("remote item first")
      << QStringList{"https://example.org/a.ign", "file:kart.ign"} << false << "";
}

void TTestDesktop::Drop() {
  QFETCH(QStringList, urls);
  QFETCH(bool, accepted);
  QFETCH(QString, converted);
  QTemporaryDir dir;
  QVERIFY(CopyExample("kart-100.ign", dir.filePath("kart.ign")));
  QVERIFY(CopyExample("enduro-250.ign", dir.filePath("enduro.ign")));
  ign::test::TFakeDialogs dialogs;
  auto form = NewForm(dialogs, {"ign-converter"});
  QList<QUrl> dropped;
  for (const QString& url : urls) {
    dropped << (url.startsWith("file:") ? QUrl::fromLocalFile(dir.filePath(url.mid(5)))
                                        : QUrl(url));
  }
  QMimeData data;
  data.setUrls(dropped);
  dialogs.save_answers.push_back(dir.filePath(QStringLiteral("dropped-2006.ign")));

  const QPoint where(200, 100);
  QDragEnterEvent enter(where, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(form.get(), &enter);
  QCOMPARE(enter.isAccepted(), accepted);
  if (accepted) {
    QDropEvent drop(QPointF(where), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(form.get(), &drop);
    QVERIFY(drop.isAccepted());
  }
  QCoreApplication::processEvents();

  QVERIFY(dialogs.open_shown.empty());  // a drop replaces the open dialog
  if (converted.isEmpty()) {
    QVERIFY(dialogs.save_shown.empty());
    QCOMPARE(form->LabelFile2->text(), QStringLiteral("----------"));
    return;
  }
  QCOMPARE(form->LabelFile2->text(), dir.filePath(converted));
  QCOMPARE(dialogs.save_shown.front(), dir.filePath(converted));
  QCOMPARE(QFileInfo(dir.filePath(QStringLiteral("dropped-2006.ign"))).size(), qint64(12844));
}

QTEST_MAIN(TTestDesktop)
#include "TestDesktop.moc"
