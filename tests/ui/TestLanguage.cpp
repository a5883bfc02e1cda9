// The window's texts in English, German and French, and how the language is
// chosen.
#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QtTest>
#include <memory>

#include "FakeDialogs.h"
#include "ui/Hlav.h"
#include "ui/Language.h"

using ign::TFormHlav;

namespace {

// A window as a fresh run creates it: every run starts in English.
std::unique_ptr<TFormHlav> NewForm(ign::test::TFakeDialogs& dialogs,
                                   QStringList arguments = {QStringLiteral("ign-converter")}) {
  ign::LanguageIndex = ign::kEnglish;
  return std::make_unique<TFormHlav>(arguments, dialogs);
}

void Pick(TFormHlav& form, int language) {
  QAction* items[] = {form.MenuEnglish, form.MenuGerman, form.MenuFrench};
  items[language]->trigger();  // as a click does: Qt toggles the check first
}

QString CaptionOf(TFormHlav& form, const QString& name) {
  if (name == QLatin1String("FormHlav")) return form.windowTitle();
  if (auto* menu = form.findChild<QMenu*>(name)) return menu->title();
  if (auto* action = form.findChild<QAction*>(name)) return action->text();
  if (auto* label = form.findChild<QLabel*>(name)) return label->text();
  return QStringLiteral("<no control %1>").arg(name);
}

QString CheckedItems(TFormHlav& form) {
  QString checked;
  if (form.MenuEnglish->isChecked()) checked += QLatin1String("E");
  if (form.MenuGerman->isChecked()) checked += QLatin1String("G");
  if (form.MenuFrench->isChecked()) checked += QLatin1String("F");
  return checked;
}

}  // namespace

class TTestLanguage : public QObject {
  Q_OBJECT

 private slots:
  void Captions_data();
  void Captions();
  void Messages_data();
  void Messages();
  void ExactlyOneItemChecked_data();
  void ExactlyOneItemChecked();
  void FirstArgument_data();
  void FirstArgument();
  void FileNamesSurviveLanguageChange();
  void QtTextsFollowLanguage_data();
  void QtTextsFollowLanguage();
};

void TTestLanguage::Captions_data() {
  QTest::addColumn<int>("language");
  QTest::addColumn<QString>("control");
  QTest::addColumn<QString>("expected");

  struct TRow {
    const char* control;
    const char* texts[3];
  };
  const TRow rows[] = {
      {"FormHlav",
       {"Converter *.ign file Version 2005 to Version 2006",
        "Verwandlung *.ign Version 2005 zu Version 2006",
        "Converter *.ign file Version 2005 to Version 2006"}},
      {"MenuFile", {"&File", "&Datei", "&Fichier"}},
      {"MenuOpen", {"&Open", "&Öffnen", "&Ouvrir"}},
      {"MenuExit", {"E&xit", "&Beenden", "&Sortir"}},
      {"MenuLanguage", {"&Language", "&Sprache", "&Langue"}},
      {"MenuEnglish", {"&English", "&Englisch", "&Englais"}},
      {"MenuGerman", {"&German", "&Deutsch", "&Allemand"}},
      {"MenuFrench", {"&French", "&Französisch", "&Francais"}},
      {"LabelFile1", {"File:", "Datei:", "Fichier:"}},
      {"LabelFile4", {"File:", "Datei:", "Fichier:"}},
      {"LabelFile3", {"Converted to", "verändert in", "Converted to"}},
  };
  const char* const languages[] = {"English", "German", "French"};
  for (int language = 0; language < 3; ++language) {
    for (const TRow& row : rows) {
      QTest::addRow("%s %s", languages[language], row.control)
          << language << QString::fromLatin1(row.control) << QString::fromUtf8(row.texts[language]);
    }
  }
}

void TTestLanguage::Captions() {
  QFETCH(int, language);
  QFETCH(QString, control);
  QFETCH(QString, expected);
  ign::test::TFakeDialogs dialogs;
  auto form = NewForm(dialogs);
  // Through another language first, so that a caption the switch forgets
  // shows up as a stale text.
  Pick(*form, (language + 1) % 3);
  Pick(*form, language);
  QCOMPARE(CaptionOf(*form, control), expected);
}

void TTestLanguage::Messages_data() {
  QTest::addColumn<int>("language");
  QTest::addColumn<QString>("open_file_error");
  QTest::addColumn<QString>("unmatched_ign_version");
  QTest::addColumn<QString>("write_file_error");
  QTest::newRow("English") << 0 << QStringLiteral("Open file error!")
                           << QStringLiteral("Unmatched version of *.ign file!")
                           << QStringLiteral("Write file error!");
  QTest::newRow("German") << 1 << QStringLiteral("Fehler beim öffnen der Datei!")
                          << QStringLiteral("Datendatei *.ign ist nicht kompatiebel!")
                          << QStringLiteral("Fehler beim Schreiben der Datei!");
  QTest::newRow("French") << 2 << QStringLiteral("Erreur ouvertur fichier!")
                          << QStringLiteral(
                                 "Programme du fichier non compatible avec programme PC!")
                          << QStringLiteral("Erreur écriture fichier!");
}

void TTestLanguage::Messages() {
  QFETCH(int, language);
  QFETCH(QString, open_file_error);
  QFETCH(QString, unmatched_ign_version);
  QFETCH(QString, write_file_error);
  ign::test::TFakeDialogs dialogs;
  auto form = NewForm(dialogs);
  Pick(*form, (language + 2) % 3);
  Pick(*form, language);
  QCOMPARE(form->MsgOpenFileError, open_file_error);
  QCOMPARE(form->MsgUnmatchedIgnVersion, unmatched_ign_version);
  QCOMPARE(form->MsgWriteFileError, write_file_error);
}

void TTestLanguage::ExactlyOneItemChecked_data() {
  QTest::addColumn<QList<int>>("picks");
  QTest::addColumn<QString>("checked");
  QTest::newRow("at start") << QList<int>{} << QStringLiteral("E");
  QTest::newRow("German") << QList<int>{1} << QStringLiteral("G");
  QTest::newRow("French") << QList<int>{2} << QStringLiteral("F");
  QTest::newRow("English again") << QList<int>{0} << QStringLiteral("E");
  QTest::newRow("German twice") << QList<int>{1, 1} << QStringLiteral("G");
  QTest::newRow("German, French, English") << QList<int>{1, 2, 0} << QStringLiteral("E");
  QTest::newRow("French, German, German") << QList<int>{2, 1, 1} << QStringLiteral("G");
}

void TTestLanguage::ExactlyOneItemChecked() {
  QFETCH(QList<int>, picks);
  QFETCH(QString, checked);
  ign::test::TFakeDialogs dialogs;
  auto form = NewForm(dialogs);
  for (int language : picks) Pick(*form, language);
  QCOMPARE(CheckedItems(*form), checked);
}

void TTestLanguage::FirstArgument_data() {
  QTest::addColumn<QStringList>("arguments");
  QTest::addColumn<int>("language");
  QTest::addColumn<QString>("checked");
  QTest::addColumn<QString>("caption");
  const QString english = QStringLiteral("&File");
  QTest::newRow("none") << QStringList{} << 0 << QStringLiteral("E") << english;
  QTest::newRow("DEUTSCH") << QStringList{"DEUTSCH"} << 1 << QStringLiteral("G")
                           << QStringLiteral("&Datei");
  QTest::newRow("FRENCH") << QStringList{"FRENCH"} << 2 << QStringLiteral("F")
                          << QStringLiteral("&Fichier");
  QTest::newRow("ENGLISH") << QStringList{"ENGLISH"} << 0 << QStringLiteral("E") << english;
  QTest::newRow("lower case") << QStringList{"deutsch"} << 0 << QStringLiteral("E") << english;
  QTest::newRow("GERMAN") << QStringList{"GERMAN"} << 0 << QStringLiteral("E") << english;
  QTest::newRow("trailing blank") << QStringList{"DEUTSCH "} << 0 << QStringLiteral("E") << english;
  QTest::newRow("only the first counts")
      << QStringList{"ENGLISH", "FRENCH"} << 0 << QStringLiteral("E") << english;
  QTest::newRow("unknown first, known second")
      << QStringList{"x", "DEUTSCH"} << 0 << QStringLiteral("E") << english;
  QTest::newRow("empty") << QStringList{""} << 0 << QStringLiteral("E") << english;
  QTest::newRow("Qt option first")
      << QStringList{"-reverse", "FRENCH"} << 0 << QStringLiteral("E") << english;
}

void TTestLanguage::FirstArgument() {
  QFETCH(QStringList, arguments);
  QFETCH(int, language);
  QFETCH(QString, checked);
  QFETCH(QString, caption);
  ign::test::TFakeDialogs dialogs;
  arguments.prepend(QStringLiteral("ign-converter"));
  auto form = NewForm(dialogs, arguments);
  QCOMPARE(int(ign::LanguageIndex), language);
  QCOMPARE(CheckedItems(*form), checked);
  QCOMPARE(form->MenuFile->title(), caption);
}

void TTestLanguage::FileNamesSurviveLanguageChange() {
  ign::test::TFakeDialogs dialogs;
  auto form = NewForm(dialogs);
  QCOMPARE(form->LabelFile2->text(), QStringLiteral("----------"));
  QCOMPARE(form->LabelFile5->text(), QStringLiteral("----------"));
  form->LabelFile2->setText(QStringLiteral("/data/in put.ign"));
  for (int language : {1, 2, 0, 0}) {
    Pick(*form, language);
    QCOMPARE(form->LabelFile2->text(), QStringLiteral("/data/in put.ign"));
    QCOMPARE(form->LabelFile5->text(), QStringLiteral("----------"));
  }
}

void TTestLanguage::QtTextsFollowLanguage_data() {
  QTest::addColumn<QList<int>>("picks");
  QTest::addColumn<QString>("cancel");
  QTest::newRow("English") << QList<int>{} << QStringLiteral("Cancel");
  QTest::newRow("German") << QList<int>{1} << QStringLiteral("Abbrechen");
  QTest::newRow("French") << QList<int>{2} << QStringLiteral("Annuler");
  QTest::newRow("German, then French") << QList<int>{1, 2} << QStringLiteral("Annuler");
  QTest::newRow("German, then English") << QList<int>{1, 0} << QStringLiteral("Cancel");
}

void TTestLanguage::QtTextsFollowLanguage() {
  QFETCH(QList<int>, picks);
  QFETCH(QString, cancel);
  ign::test::TFakeDialogs dialogs;
  auto form = NewForm(dialogs);
  for (int language : picks) Pick(*form, language);
  // The text Qt's dialogs and message boxes put on their Cancel button.
  QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), cancel);
}

QTEST_MAIN(TTestLanguage)
#include "TestLanguage.moc"
