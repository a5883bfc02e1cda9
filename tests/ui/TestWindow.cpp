// The main window as start-up leaves it: place, controls, menus, data.
#include <QAction>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSignalSpy>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QtTest>
#include <algorithm>
#include <memory>

#include "FakeDialogs.h"
#include "ui/Centring.h"
#include "ui/Hlav.h"
#include "ui/Language.h"

using ign::TFormHlav;

namespace {

std::unique_ptr<TFormHlav> NewForm(ign::test::TFakeDialogs& dialogs) {
  ign::LanguageIndex = ign::kEnglish;
  return std::make_unique<TFormHlav>(QStringList{QStringLiteral("ign-converter")}, dialogs);
}

}  // namespace

class TTestWindow : public QObject {
  Q_OBJECT

 private slots:
  void Centring_data();
  void Centring();
  void CentredOnPrimaryScreen();
  void StartUpParameterSet();
  void ControlPositions_data();
  void ControlPositions();
  void BannerAndIcon();
  void MenuStructure();
  void F3OpensFromWindowAndOpenMenu_data();
  void F3OpensFromWindowAndOpenMenu();
  void StatusBarStaysEmpty();
  void DialogSettings();
  void ExitClosesWindow();
};

void TTestWindow::Centring_data() {
  QTest::addColumn<QSize>("screen");
  QTest::addColumn<QSize>("window");
  QTest::addColumn<QPoint>("expected");
  QTest::newRow("1024 x 768") << QSize(1024, 768) << QSize(572, 308) << QPoint(226, 230);
  QTest::newRow("odd room truncates") << QSize(1023, 767) << QSize(572, 308) << QPoint(225, 229);
  QTest::newRow("wider than the screen")
      << QSize(800, 600) << QSize(1001, 308) << QPoint(-100, 146);
  QTest::newRow("taller than the screen") << QSize(800, 300) << QSize(572, 303) << QPoint(114, -1);
  QTest::newRow("exact fit") << QSize(572, 308) << QSize(572, 308) << QPoint(0, 0);
}

void TTestWindow::Centring() {
  QFETCH(QSize, screen);
  QFETCH(QSize, window);
  QFETCH(QPoint, expected);
  QCOMPARE(ign::CentredPosition(screen, window), expected);
}

void TTestWindow::CentredOnPrimaryScreen() {
  ign::test::TFakeDialogs dialogs;
  auto form = NewForm(dialogs);
  const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
  QCOMPARE(form->pos(), ign::CentredPosition(screen, QSize(572, 308)));
}

void TTestWindow::StartUpParameterSet() {
  ign::test::TFakeDialogs dialogs;
  auto form = NewForm(dialogs);
  ign::TParameterSet expected;  // all zero
  std::fill(std::begin(expected.gain), std::end(expected.gain), 60);
  std::fill(std::begin(expected.time_const), std::end(expected.time_const), 20);
  // The set is a plain record of bytes; compare it as such, so that any field
  // left non-zero shows up.
  QCOMPARE(QByteArray(reinterpret_cast<const char*>(&form->ParameterSet), sizeof expected),
           QByteArray(reinterpret_cast<const char*>(&expected), sizeof expected));
  QVERIFY(form->FileName.isEmpty());
}

void TTestWindow::ControlPositions_data() {
  QTest::addColumn<QString>("control");
  QTest::addColumn<QPoint>("position");
  QTest::newRow("ImageLogo2") << QStringLiteral("ImageLogo2") << QPoint(145, -1);
  QTest::newRow("LabelFile1") << QStringLiteral("LabelFile1") << QPoint(40, 81);
  QTest::newRow("LabelFile2") << QStringLiteral("LabelFile2") << QPoint(106, 81);
  QTest::newRow("LabelFile3") << QStringLiteral("LabelFile3") << QPoint(40, 117);
  QTest::newRow("LabelFile4") << QStringLiteral("LabelFile4") << QPoint(40, 153);
  QTest::newRow("LabelFile5") << QStringLiteral("LabelFile5") << QPoint(104, 153);
}

void TTestWindow::ControlPositions() {
  QFETCH(QString, control);
  QFETCH(QPoint, position);
  ign::test::TFakeDialogs dialogs;
  auto form = NewForm(dialogs);
  form->show();
  QVERIFY(QTest::qWaitForWindowExposed(form.get()));
  auto* widget = form->findChild<QWidget*>(control);
  QVERIFY(widget);
  // Relative to the client area, which begins below the menu bar.
  QCOMPARE(widget->mapTo(form.get(), QPoint(0, 0)) - form->centralWidget()->pos(), position);
  QCOMPARE(form->centralWidget()->pos().y(), form->MainMenu1->geometry().bottom() + 1);
  QCOMPARE(form->StatusBar1->geometry(), QRect(0, form->centralWidget()->y() + 236, 564, 18));
}

void TTestWindow::BannerAndIcon() {
  ign::test::TFakeDialogs dialogs;
  auto form = NewForm(dialogs);
  const QPixmap banner = form->ImageLogo2->pixmap();
  QCOMPARE(banner.size(), QSize(312, 44));
  QCOMPARE(form->ImageLogo2->size(), QSize(312, 44));
  QVERIFY(form->windowIcon().availableSizes().contains(QSize(32, 32)));
  QCOMPARE(form->font().family(), QStringLiteral("MS Sans Serif"));
  QCOMPARE(form->font().pointSize(), 8);
}

void TTestWindow::MenuStructure() {
  ign::test::TFakeDialogs dialogs;
  auto form = NewForm(dialogs);
  QCOMPARE(form->MainMenu1->actions(),
           (QList<QAction*>{form->MenuFile->menuAction(), form->MenuLanguage->menuAction()}));
  QCOMPARE(form->MenuFile->actions(), (QList<QAction*>{form->MenuOpen, form->N1, form->MenuExit}));
  QVERIFY(form->N1->isSeparator());
  QCOMPARE(form->MenuLanguage->actions(),
           (QList<QAction*>{form->MenuEnglish, form->MenuGerman, form->MenuFrench}));
  for (QAction* item : form->MenuLanguage->actions()) {
    QVERIFY(item->isCheckable());
    QVERIFY(!item->actionGroup());  // independent items, not a radio group
  }
  QCOMPARE(form->MenuOpen->shortcut(), QKeySequence(Qt::Key_F3));
  QVERIFY(form->MenuExit->shortcut().isEmpty());
}

void TTestWindow::F3OpensFromWindowAndOpenMenu_data() {
  QTest::addColumn<QString>("open_menu");
  QTest::newRow("no menu open") << QString();
  QTest::newRow("File menu open") << QStringLiteral("MenuFile");
  QTest::newRow("Language menu open") << QStringLiteral("MenuLanguage");
}

void TTestWindow::F3OpensFromWindowAndOpenMenu() {
  QFETCH(QString, open_menu);
  ign::test::TFakeDialogs dialogs;
  auto form = NewForm(dialogs);
  form->show();
  QVERIFY(QTest::qWaitForWindowExposed(form.get()));
  QSignalSpy opened(form->MenuOpen, &QAction::triggered);
  QWidget* target = form.get();
  if (!open_menu.isEmpty()) {
    auto* menu = form->findChild<QMenu*>(open_menu);
    menu->popup(form->mapToGlobal(QPoint(10, 10)));
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    target = menu;
  }
  QTest::keyClick(target, Qt::Key_F3);
  QCOMPARE(opened.count(), 1);
  // Shift, Ctrl or Alt with F3 is another key.
  QTest::keyClick(form.get(), Qt::Key_F3, Qt::ShiftModifier);
  QCOMPARE(opened.count(), 1);
}

void TTestWindow::StatusBarStaysEmpty() {
  ign::test::TFakeDialogs dialogs;
  auto form = NewForm(dialogs);
  QStatusTipEvent tip(QStringLiteral("a hint"));
  QCoreApplication::sendEvent(form.get(), &tip);
  QVERIFY(form->StatusBar1->currentMessage().isEmpty());
  for (QAction* item : form->findChildren<QAction*>()) QVERIFY(item->statusTip().isEmpty());
}

void TTestWindow::DialogSettings() {
  ign::test::TFakeDialogs dialogs;
  auto form = NewForm(dialogs);
  struct TExpected {
    ign::TFileDialog* dialog;
    QFileDialog::AcceptMode mode;
    QStringList filters;
    bool confirms_overwrite;
  };
  const TExpected cases[] = {
      {&form->OpenDialog1,
       QFileDialog::AcceptOpen,
       {"Ignition Parametrs(*.ign)", "All Files (*.*)"},
       false},
      {&form->SaveDialog1, QFileDialog::AcceptSave, {"Ignition Parametrs(*.ign)"}, true},
  };
  for (const TExpected& expected : cases) {
    // Qt's dialog as it would be shown, built without showing it.
    expected.dialog->FileName = QDir::temp().filePath(QStringLiteral("chosen.ign"));
    QFileDialog& dialog = expected.dialog->Prepare(*form);
    QCOMPARE(dialog.acceptMode(), expected.mode);
    QCOMPARE(dialog.nameFilters(), expected.filters);
    QCOMPARE(dialog.selectedNameFilter(), expected.filters.first());
    QCOMPARE(dialog.defaultSuffix(), QStringLiteral("ign"));
    QCOMPARE(!dialog.testOption(QFileDialog::DontConfirmOverwrite), expected.confirms_overwrite);
    QCOMPARE(dialog.selectedFiles(), QStringList{expected.dialog->FileName});
    QVERIFY(dialog.isSizeGripEnabled());
  }
  // The filters stay English in every language.
  form->MenuGerman->trigger();
  QCOMPARE(form->OpenDialog1.Prepare(*form).nameFilters(), cases[0].filters);
}

void TTestWindow::ExitClosesWindow() {
  ign::test::TFakeDialogs dialogs;
  auto form = NewForm(dialogs);
  form->show();
  QVERIFY(QTest::qWaitForWindowExposed(form.get()));
  form->MenuExit->trigger();
  QVERIFY(!form->isVisible());
  QVERIFY(dialogs.messages.isEmpty());
}

QTEST_MAIN(TTestWindow)
#include "TestWindow.moc"
