// The Qt window as start-up leaves it: place, controls, menus, dialogs, and
// the captions of each language on the controls they belong to.
#include <QAction>
#include <QCoreApplication>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolButton>
#include <QtTest>
#include <memory>

#include "FakeDialogs.h"
#include "ui/core/Jazyk1.h"
#include "ui/core/Language.h"
#include "ui/qt/Hlav.h"
#include "ui/qt/ReportWindow.h"

using ign::TControl;
using ign::TFormHlav;

namespace {

std::unique_ptr<TFormHlav> NewForm(ign::test::TFakeDialogs& dialogs) {
  ign::LanguageIndex = ign::kEnglish;
  return std::make_unique<TFormHlav>(std::vector<std::string>{"ign-converter"}, dialogs);
}

// What `control` shows as its caption.
QString CaptionOn(TFormHlav& form, TControl control) {
  switch (control) {
    case TControl::kFormHlav:
      return form.windowTitle();
    case TControl::kMenuFile:
      return form.MenuFile->title();
    case TControl::kMenuOpen:
      return form.MenuOpen->text();
    case TControl::kMenuExit:
      return form.MenuExit->text();
    case TControl::kMenuLanguage:
      return form.MenuLanguage->title();
    case TControl::kMenuEnglish:
      return form.MenuEnglish->text();
    case TControl::kMenuGerman:
      return form.MenuGerman->text();
    case TControl::kMenuFrench:
      return form.MenuFrench->text();
    case TControl::kLabelFile1:
      return form.LabelFile1->text();
    case TControl::kLabelFile3:
      return form.LabelFile3->text();
    case TControl::kLabelFile4:
      return form.LabelFile4->text();
    case TControl::kButtonDetails1:
      return form.ButtonDetails1->text();
    case TControl::kFormReport:
      return form.FormReport->windowTitle();
    case TControl::kButtonCopy1:
      return form.FormReport->ButtonCopy1->text();
    case TControl::kButtonClose1:
      return form.FormReport->ButtonClose1->text();
    default:
      return QStringLiteral("<not captioned>");
  }
}

}  // namespace

class TTestWindow : public QObject {
  Q_OBJECT

 private slots:
  void CentredOnPrimaryScreen();
  void ControlPositions();
  void BannerAndIcon();
  void MenuStructure();
  void CaptionsOnTheirControls();
  void QtTextsFollowLanguage_data();
  void QtTextsFollowLanguage();
  void F3OpensFromWindowAndOpenMenu_data();
  void F3OpensFromWindowAndOpenMenu();
  void StatusBarStaysEmpty();
  void DialogSettings();
  void ExitClosesWindow();
};

void TTestWindow::CentredOnPrimaryScreen() {
  ign::test::TFakeDialogs dialogs;
  auto form = NewForm(dialogs);
  const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
  const ign::TPoint at = ign::CentredPosition({screen.width(), screen.height()}, {572, 308});
  QCOMPARE(form->pos(), QPoint(at.x, at.y));
}

void TTestWindow::ControlPositions() {
  ign::test::TFakeDialogs dialogs;
  auto form = NewForm(dialogs);
  form->show();
  QVERIFY(QTest::qWaitForWindowExposed(form.get()));
  const QWidget* controls[] = {form->ImageLogo2, form->LabelFile1, form->LabelFile2,
                               form->LabelFile3, form->LabelFile4, form->LabelFile5};
  const char* names[] = {"ImageLogo2", "LabelFile1", "LabelFile2",
                         "LabelFile3", "LabelFile4", "LabelFile5"};
  for (std::size_t i = 0; i < std::size(controls); ++i) {
    const ign::TPlace& place = ign::kPlaces[i];
    QCOMPARE(controls[i]->objectName(), QLatin1String(names[i]));
    QCOMPARE(ign::PlaceOf(place.control).control, place.control);
    // Relative to the client area, which begins below the menu bar.
    QCOMPARE(controls[i]->mapTo(form.get(), QPoint(0, 0)) - form->centralWidget()->pos(),
             QPoint(place.at.x, place.at.y));
  }
  QCOMPARE(form->centralWidget()->pos().y(), form->MainMenu1->geometry().bottom() + 1);
  QCOMPARE(form->StatusBar1->geometry(), QRect(0, form->centralWidget()->y() + 236, 564, 18));
}

void TTestWindow::BannerAndIcon() {
  ign::test::TFakeDialogs dialogs;
  auto form = NewForm(dialogs);
  QCOMPARE(form->ImageLogo2->pixmap().size(), QSize(312, 44));
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

// Each caption of the core's table lands on its own control, and a click
// on a Language item leaves only that item checked.
void TTestWindow::CaptionsOnTheirControls() {
  ign::test::TFakeDialogs dialogs;
  auto form = NewForm(dialogs);
  QAction* items[] = {form->MenuEnglish, form->MenuGerman, form->MenuFrench};
  for (int language : {1, 2, 0, 0}) {
    items[language]->trigger();  // as a click does: Qt toggles the check first
    for (int control = 0; control <= int(TControl::kButtonClose1); ++control) {
      const auto which = static_cast<TControl>(control);
      const std::string_view caption = ign::CaptionOf(which, std::uint8_t(language));
      if (caption.empty()) continue;
      QCOMPARE(CaptionOn(*form, which),
               QString::fromUtf8(caption.data(), qsizetype(caption.size())));
    }
    for (int item = 0; item < 3; ++item) QCOMPARE(items[item]->isChecked(), item == language);
  }
  QCOMPARE(form->LabelFile2->text(), QStringLiteral("----------"));
  QCOMPARE(form->LabelFile5->text(), QStringLiteral("----------"));
}

void TTestWindow::QtTextsFollowLanguage_data() {
  QTest::addColumn<QList<int>>("picks");
  QTest::addColumn<QString>("cancel");
  QTest::newRow("English") << QList<int>{} << QStringLiteral("Cancel");
  QTest::newRow("German") << QList<int>{1} << QStringLiteral("Abbrechen");
  QTest::newRow("French") << QList<int>{2} << QStringLiteral("Annuler");
  QTest::newRow("German, then French") << QList<int>{1, 2} << QStringLiteral("Annuler");
  QTest::newRow("German, then English") << QList<int>{1, 0} << QStringLiteral("Cancel");
}

void TTestWindow::QtTextsFollowLanguage() {
  QFETCH(QList<int>, picks);
  QFETCH(QString, cancel);
  ign::test::TFakeDialogs dialogs;
  auto form = NewForm(dialogs);
  QAction* items[] = {form->MenuEnglish, form->MenuGerman, form->MenuFrench};
  for (int language : picks) items[language]->trigger();
  // The text Qt's dialogs and message boxes put on their Cancel button.
  QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), cancel);
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
  QCOMPARE(dialogs.open_shown.size(), 1);
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
  QVERIFY(!form->ImageWarning1->isVisibleTo(form.get()));
  QVERIFY(!form->LabelStatus1->isVisibleTo(form.get()));
  QVERIFY(!form->ButtonDetails1->isVisibleTo(form.get()));
}

void TTestWindow::DialogSettings() {
  ign::test::TFakeDialogs dialogs;
  auto form = NewForm(dialogs);
  struct TExpected {
    ign::TQtFileDialog* dialog;
    QFileDialog::AcceptMode mode;
    QStringList filters;
  };
  const TExpected cases[] = {
      {&form->QtOpenDialog1,
       QFileDialog::AcceptOpen,
       {"Ignition Parametrs(*.ign)", "All Files (*.*)"}},
      {&form->QtSaveDialog1, QFileDialog::AcceptSave, {"Ignition Parametrs(*.ign)"}},
  };
  for (const TExpected& expected : cases) {
    // Qt's dialog as it would be shown, built without showing it.
    const QString chosen = QDir::temp().filePath(QStringLiteral("chosen.ign"));
    expected.dialog->Settings().FileName = chosen.toStdString();
    QFileDialog& dialog = expected.dialog->Prepare(*form);
    QCOMPARE(dialog.acceptMode(), expected.mode);
    QCOMPARE(dialog.nameFilters(), expected.filters);
    QCOMPARE(dialog.selectedNameFilter(), expected.filters.first());
    QCOMPARE(dialog.defaultSuffix(), QStringLiteral("ign"));
    QCOMPARE(dialog.selectedFiles(), QStringList{chosen});
    QVERIFY(dialog.isSizeGripEnabled());
  }
  // The filters stay English in every language.
  form->MenuGerman->trigger();
  QCOMPARE(form->QtOpenDialog1.Prepare(*form).nameFilters(), cases[0].filters);
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
