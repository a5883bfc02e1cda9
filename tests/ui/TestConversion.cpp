// File > Open from the open dialog to the file written, through the dialog
// seam: every failure a user can meet, and what the window shows after it.
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>
#include <csignal>
#include <memory>
#include <string>

#include "FakeDialogs.h"
#include "params/IgnReader.h"
#include "params/IgnWriter.h"
#include "params/New.h"
#include "ui/Hlav.h"
#include "ui/IgnFiles.h"
#include "ui/Language.h"

using ign::TFormHlav;
using ign::TParameterSet;

namespace {

const QString kNoFileYet = QStringLiteral("----------");

QByteArray Example(const char* name) {
  QFile file(QStringLiteral(IGN_EXAMPLES_DIR "/") + QLatin1String(name));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray FileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

// The parameters of a set, without the reader's report.
QByteArray Parameters(TParameterSet set) {
  set.version_matched = false;
  return QByteArray(reinterpret_cast<const char*>(&set), sizeof set);
}

// What the window's set becomes when it converts `text`, and the file it
// writes, computed with the library alone.
QByteArray ConvertLikeWindow(TParameterSet& set, const QByteArray& text) {
  if (!ign::ReadIgn2005(std::string_view(text.constData(), size_t(text.size())), set)) return {};
  ign::AdjustFor2006(set);
  std::string out;
  ign::WriteIgn2006(set, out);
  return QByteArray::fromStdString(out);
}

TParameterSet StartUpSet() {
  TParameterSet set;
  ign::AdjustFor2006(set);
  return set;
}

int OpenDescriptors() { return int(QDir(QStringLiteral("/proc/self/fd")).count()); }

// A window of a fresh run with scripted dialogs, working in a folder of its own.
struct TSession {
  TSession() {
    ign::LanguageIndex = ign::kEnglish;
    form = std::make_unique<TFormHlav>(QStringList{QStringLiteral("ign-converter")}, dialogs);
  }
  QString Path(const QString& name) const { return dir.filePath(name); }
  // Runs File > Open with these answers; nullopt cancels.
  void Open(std::optional<QString> open, std::optional<QString> save = std::nullopt) {
    dialogs.open_answers.push_back(std::move(open));
    dialogs.save_answers.push_back(std::move(save));
    form->MenuOpen->trigger();
    dialogs.open_answers.clear();
    dialogs.save_answers.clear();
  }
  // A first conversion, so that a later failure has something to keep.
  void ConvertKart() {
    WriteBytes(Path("first.ign"), Example("kart-100.ign"));
    Open(Path("first.ign"), Path("first-2006.ign"));
    expected_set = StartUpSet();
    ConvertLikeWindow(expected_set, Example("kart-100.ign"));
  }

  QTemporaryDir dir;
  ign::test::TFakeDialogs dialogs;
  std::unique_ptr<TFormHlav> form;
  TParameterSet expected_set = StartUpSet();
};

}  // namespace

class TTestConversion : public QObject {
  Q_OBJECT

 private slots:
  void ConvertsExample_data();
  void ConvertsExample();
  void CancelledOpenChangesNothing();
  void InputNotConverted_data();
  void InputNotConverted();
  void CancelledSave();
  void OutputCannotBeOpened_data();
  void OutputCannotBeOpened();
  void FailingWriteKeepsEarlierFile();
  void NamesShownAsReturned_data();
  void NamesShownAsReturned();
  void SecondConversionCarriesSet();
  void SavingOverInput();
  void MessageInCurrentLanguage_data();
  void MessageInCurrentLanguage();
  void OutputPermissionsAsNewFile();
  void SpecialTargetsRefused_data();
  void SpecialTargetsRefused();
  void ReplacedFileKeepsItsMode();
  void NamesThatAreNotUtf8();
  void Drop_data();
  void Drop();
};

void TTestConversion::ConvertsExample_data() {
  QTest::addColumn<QString>("example");
  QTest::newRow("two-stroke-125") << QStringLiteral("two-stroke-125.ign");
  QTest::newRow("enduro-250") << QStringLiteral("enduro-250.ign");
  QTest::newRow("kart-100") << QStringLiteral("kart-100.ign");
}

void TTestConversion::ConvertsExample() {
  QFETCH(QString, example);
  TSession session;
  const QByteArray text = Example(qPrintable(example));
  QVERIFY(!text.isEmpty());
  const QString input = session.Path(example);
  const QString output = session.Path(QStringLiteral("out.ign"));
  QVERIFY(WriteBytes(input, text));
  const int descriptors = OpenDescriptors();

  session.Open(input, output);

  TParameterSet expected = StartUpSet();
  const QByteArray written = FileBytes(output);
  QCOMPARE(written.size(), qsizetype(ign::kIgn2006Size));
  QCOMPARE(written, ConvertLikeWindow(expected, text));
  QCOMPARE(Parameters(session.form->ParameterSet), Parameters(expected));
  QCOMPARE(FileBytes(input), text);
  QCOMPARE(session.form->LabelFile2->text(), input);
  QCOMPARE(session.form->LabelFile5->text(), output);
  QCOMPARE(session.form->FileName, input);
  QVERIFY(session.dialogs.messages.isEmpty());
  // The save dialog proposed the file just read, on its first filter.
  QCOMPARE(session.dialogs.save_shown.size(), size_t(1));
  QCOMPARE(session.dialogs.save_shown.front().file_name, input);
  QCOMPARE(session.dialogs.save_shown.front().filter_index, 1);
  // The open dialog offers the file chosen last when shown again.
  session.Open(std::nullopt);
  QCOMPARE(session.dialogs.open_shown.back().file_name, input);
  QCOMPARE(OpenDescriptors(), descriptors);
  QStringList files{example, "out.ign"};
  files.sort();
  QCOMPARE(QDir(session.dir.path()).entryList(QDir::Files), files);
}

void TTestConversion::CancelledOpenChangesNothing() {
  TSession session;
  const QByteArray before = Parameters(session.form->ParameterSet);
  session.Open(std::nullopt);
  QCOMPARE(Parameters(session.form->ParameterSet), before);
  QCOMPARE(session.form->LabelFile2->text(), kNoFileYet);
  QCOMPARE(session.form->LabelFile5->text(), kNoFileYet);
  QVERIFY(session.dialogs.messages.isEmpty());
  QVERIFY(session.dialogs.save_shown.empty());
}

void TTestConversion::InputNotConverted_data() {
  QTest::addColumn<QString>("kind");
  QTest::addColumn<QString>("message");
  const QString open_error = QStringLiteral("Open file error!");
  const QString unmatched = QStringLiteral("Unmatched version of *.ign file!");
  QTest::newRow("missing file") << "missing" << open_error;
  QTest::newRow("folder") << "folder" << open_error;
  QTest::newRow("named pipe") << "fifo" << open_error;
  QTest::newRow("dangling link") << "dangling" << open_error;
  if (geteuid() != 0) QTest::newRow("unreadable") << "unreadable" << open_error;
  QTest::newRow("empty file") << "empty" << unmatched;
  QTest::newRow("version 2006 (own output)") << "own-output" << unmatched;
  QTest::newRow("version key 36") << "key36" << unmatched;
  QTest::newRow("key without number") << "bare-key" << unmatched;
}

void TTestConversion::InputNotConverted() {
  QFETCH(QString, kind);
  QFETCH(QString, message);
  TSession session;
  session.ConvertKart();
  const QString input = session.Path(QStringLiteral("input-") + kind + QStringLiteral(".ign"));
  const QByteArray name = QFile::encodeName(input);
  if (kind == "folder") QVERIFY(QDir().mkdir(input));
  if (kind == "fifo") QCOMPARE(mkfifo(name.constData(), 0600), 0);
  if (kind == "dangling") QVERIFY(QFile::link(session.Path("nowhere.ign"), input));
  if (kind == "unreadable") {
    QVERIFY(WriteBytes(input, Example("kart-100.ign")));
    QVERIFY(QFile::setPermissions(input, QFileDevice::WriteOwner));
  }
  if (kind == "empty") QVERIFY(WriteBytes(input, {}));
  if (kind == "own-output") QVERIFY(QFile::copy(session.Path("first-2006.ign"), input));
  if (kind == "key36") {
    QVERIFY(WriteBytes(input,
                       Example("kart-100.ign").replace("ZANTROVA_KEY   37", "ZANTROVA_KEY   36")));
  }
  if (kind == "bare-key") QVERIFY(WriteBytes(input, "ZANTROVA_KEY\r\nBIKE 3\r\n"));
  const int descriptors = OpenDescriptors();

  session.Open(input, session.Path("never.ign"));

  QCOMPARE(session.dialogs.messages, QStringList{message});
  QCOMPARE(Parameters(session.form->ParameterSet), Parameters(session.expected_set));
  QCOMPARE(session.form->LabelFile2->text(), session.Path("first.ign"));
  QCOMPARE(session.form->LabelFile5->text(), session.Path("first-2006.ign"));
  QCOMPARE(session.dialogs.save_shown.size(), size_t(1));  // the first conversion's only
  QVERIFY(!QFile::exists(session.Path("never.ign")));
  QCOMPARE(OpenDescriptors(), descriptors);
}

void TTestConversion::CancelledSave() {
  TSession session;
  session.ConvertKart();
  const QByteArray text = Example("enduro-250.ign");
  QVERIFY(WriteBytes(session.Path("second.ign"), text));
  const int descriptors = OpenDescriptors();

  session.Open(session.Path("second.ign"), std::nullopt);

  ConvertLikeWindow(session.expected_set, text);  // read and adjusted, not written
  QCOMPARE(Parameters(session.form->ParameterSet), Parameters(session.expected_set));
  QCOMPARE(session.form->LabelFile2->text(), session.Path("second.ign"));
  QCOMPARE(session.form->LabelFile5->text(), session.Path("first-2006.ign"));
  QVERIFY(session.dialogs.messages.isEmpty());
  QCOMPARE(OpenDescriptors(), descriptors);
  QCOMPARE(QDir(session.dir.path()).entryList(QDir::Files),
           (QStringList{"first-2006.ign", "first.ign", "second.ign"}));
}

void TTestConversion::OutputCannotBeOpened_data() {
  QTest::addColumn<QString>("kind");
  QTest::newRow("folder does not exist") << "no-folder";
  QTest::newRow("folder part is a file") << "file-as-folder";
  QTest::newRow("name of a folder") << "folder";
  if (geteuid() != 0) QTest::newRow("folder not writable") << "read-only";
}

void TTestConversion::OutputCannotBeOpened() {
  QFETCH(QString, kind);
  TSession session;
  QVERIFY(WriteBytes(session.Path("in.ign"), Example("kart-100.ign")));
  QString output;
  if (kind == "no-folder") output = session.Path("missing/out.ign");
  if (kind == "file-as-folder") output = session.Path("in.ign/out.ign");
  if (kind == "folder") {
    output = session.Path("taken.ign");
    QVERIFY(QDir().mkdir(output));
  }
  if (kind == "read-only") {
    QVERIFY(QDir().mkdir(session.Path("locked")));
    QVERIFY(QFile::setPermissions(session.Path("locked"),
                                  QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    output = session.Path("locked/out.ign");
  }
  const int descriptors = OpenDescriptors();

  session.Open(session.Path("in.ign"), output);

  QCOMPARE(session.dialogs.messages, QStringList{"Open file error!"});
  QCOMPARE(session.form->LabelFile2->text(), session.Path("in.ign"));
  QCOMPARE(session.form->LabelFile5->text(), kNoFileYet);
  ConvertLikeWindow(session.expected_set, Example("kart-100.ign"));
  QCOMPARE(Parameters(session.form->ParameterSet), Parameters(session.expected_set));
  QVERIFY(!QFileInfo(output).isFile());
  QCOMPARE(OpenDescriptors(), descriptors);
  QCOMPARE(QDir(session.dir.path()).entryList(QDir::Files), QStringList{"in.ign"});
}

void TTestConversion::FailingWriteKeepsEarlierFile() {
  // The save proposed by the dialog replaces the input itself: a write that
  // fails must leave that version-2005 file whole. The file-size limit makes
  // every write past 4 KiB fail, as a full disk would.
  TSession session;
  const QString input = session.Path("precious.ign");
  const QByteArray text = Example("kart-100.ign");
  QVERIFY(WriteBytes(input, text));
  const QStringList files_before = QDir(session.dir.path()).entryList(QDir::Files | QDir::Hidden);

  const pid_t child = fork();
  QVERIFY(child >= 0);
  if (child == 0) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{4096, 4096};
    setrlimit(RLIMIT_FSIZE, &limit);
    const int descriptors = OpenDescriptors();
    session.Open(input, input);
    int failures = 0;
    if (session.dialogs.messages != QStringList{session.form->MsgWriteFileError}) failures |= 1;
    if (session.form->LabelFile5->text() != kNoFileYet) failures |= 2;
    if (session.form->LabelFile2->text() != input) failures |= 4;
    if (OpenDescriptors() != descriptors) failures |= 8;
    _exit(failures);
  }
  int status = 0;
  QCOMPARE(waitpid(child, &status, 0), child);
  QVERIFY(WIFEXITED(status));
  QCOMPARE(WEXITSTATUS(status), 0);
  QCOMPARE(FileBytes(input), text);
  QCOMPARE(QDir(session.dir.path()).entryList(QDir::Files | QDir::Hidden), files_before);
}

void TTestConversion::NamesShownAsReturned_data() {
  QTest::addColumn<QString>("input");
  QTest::addColumn<QString>("output");
  QTest::newRow("plain") << "a.ign"
                         << "b.ign";
  QTest::newRow("blanks") << "my engine.ign"
                          << "new  setup.ign";
  QTest::newRow("non-ASCII") << "Zündung Öl.ign"
                             << "réglage été.ign";
  QTest::newRow("other extension") << "tuning.txt"
                                   << "tuning.out";
  QTest::newRow("no extension") << "tuning"
                                << "tuning-2006";
  QTest::newRow("dot segments") << "sub/../a.ign"
                                << "./b.ign";
  QTest::newRow("doubled slash") << "sub//a.ign"
                                 << "sub//b.ign";
}

void TTestConversion::NamesShownAsReturned() {
  QFETCH(QString, input);
  QFETCH(QString, output);
  TSession session;
  QVERIFY(QDir(session.dir.path()).mkdir("sub"));
  const QString input_name = session.Path(input);
  const QString output_name = session.Path(output);
  QVERIFY(WriteBytes(QDir::cleanPath(input_name), Example("enduro-250.ign")));
  session.Open(input_name, output_name);
  QVERIFY(session.dialogs.messages.isEmpty());
  QCOMPARE(session.form->LabelFile2->text(), input_name);
  QCOMPARE(session.form->LabelFile5->text(), output_name);
  QCOMPARE(session.dialogs.save_shown.front().file_name, input_name);
  QCOMPARE(FileBytes(output_name).size(), qsizetype(ign::kIgn2006Size));
}

void TTestConversion::SecondConversionCarriesSet() {
  TSession session;
  session.ConvertKart();
  const TParameterSet after_first = session.form->ParameterSet;
  // The second file lacks BIKE and ALARM: the window keeps kart's BIKE and
  // lowers kart's ALARM once more.
  QByteArray second;
  for (const QByteArray& line : Example("enduro-250.ign").split('\n')) {
    if (!line.startsWith("BIKE") && !line.startsWith("ALARM")) second += line + '\n';
  }
  QVERIFY(WriteBytes(session.Path("second.ign"), second));

  session.Open(session.Path("second.ign"), session.Path("second-2006.ign"));

  QVERIFY(session.dialogs.messages.isEmpty());
  const QByteArray expected = ConvertLikeWindow(session.expected_set, second);
  QCOMPARE(FileBytes(session.Path("second-2006.ign")), expected);
  QCOMPARE(session.form->ParameterSet.bike, after_first.bike);
  QCOMPARE(int(session.form->ParameterSet.bike), 7);
  for (int i = 0; i < 15; ++i) {
    QCOMPARE(int(session.form->ParameterSet.alarm[i]), qMax(0, int(after_first.alarm[i]) - 20));
  }
  // Each save proposes the file just read, not the previous output.
  QCOMPARE(session.dialogs.save_shown.back().file_name, session.Path("second.ign"));
  QCOMPARE(session.form->LabelFile5->text(), session.Path("second-2006.ign"));
}

void TTestConversion::SavingOverInput() {
  TSession session;
  const QString input = session.Path("bike.ign");
  const QByteArray text = Example("two-stroke-125.ign");
  QVERIFY(WriteBytes(input, text));
  session.Open(input, input);  // the name the save dialog proposed
  TParameterSet expected = StartUpSet();
  QCOMPARE(FileBytes(input), ConvertLikeWindow(expected, text));
  QCOMPARE(session.form->LabelFile2->text(), input);
  QCOMPARE(session.form->LabelFile5->text(), input);
  QCOMPARE(QDir(session.dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"bike.ign"});
}

void TTestConversion::MessageInCurrentLanguage_data() {
  QTest::addColumn<QList<int>>("picks");
  QTest::addColumn<QString>("unmatched");
  QTest::addColumn<QString>("open_error");
  QTest::newRow("German") << QList<int>{1} << "Datendatei *.ign ist nicht kompatiebel!"
                          << "Fehler beim öffnen der Datei!";
  QTest::newRow("French") << QList<int>{2}
                          << "Programme du fichier non compatible avec programme PC!"
                          << "Erreur ouvertur fichier!";
  QTest::newRow("German, then English") << QList<int>{1, 0} << "Unmatched version of *.ign file!"
                                        << "Open file error!";
}

void TTestConversion::MessageInCurrentLanguage() {
  QFETCH(QList<int>, picks);
  QFETCH(QString, unmatched);
  QFETCH(QString, open_error);
  TSession session;
  QVERIFY(WriteBytes(session.Path("old.ign"), "ZANTROVA_KEY 51\r\n"));
  session.Open(session.Path("old.ign"));  // a message in English first
  QAction* items[] = {session.form->MenuEnglish, session.form->MenuGerman,
                      session.form->MenuFrench};
  for (int language : picks) items[language]->trigger();
  session.dialogs.messages.clear();
  session.Open(session.Path("old.ign"));
  session.Open(session.Path("missing.ign"));
  QCOMPARE(session.dialogs.messages, (QStringList{unmatched, open_error}));
}

void TTestConversion::OutputPermissionsAsNewFile() {
  // The temporary file behind a safe save must not leave the result readable
  // by its owner alone when an ordinary new file would not be.
  TSession session;
  QVERIFY(WriteBytes(session.Path("in.ign"), Example("kart-100.ign")));
  QVERIFY(WriteBytes(session.Path("plain.ign"), "x"));
  session.Open(session.Path("in.ign"), session.Path("out.ign"));
  QCOMPARE(QFile::permissions(session.Path("out.ign")),
           QFile::permissions(session.Path("plain.ign")));
}

void TTestConversion::SpecialTargetsRefused_data() {
  QTest::addColumn<QString>("kind");
  QTest::newRow("pipe") << "fifo";
  if (geteuid() == 0) {
    QTest::newRow("device") << "device";
    QTest::newRow("another user's link in a shared folder") << "planted";
  }
}

// A node or a planted link is never replaced nor written through: the window
// says "Open file error!" and the node stays as it was.
void TTestConversion::SpecialTargetsRefused() {
  QFETCH(QString, kind);
  TSession session;
  QVERIFY(WriteBytes(session.Path("in.ign"), Example("kart-100.ign")));
  QString output = session.Path("node.ign");
  const QByteArray native = QFile::encodeName(output);
  if (kind == "fifo") QCOMPARE(mkfifo(native.constData(), 0644), 0);
  if (kind == "device") QCOMPARE(mknod(native.constData(), S_IFCHR | 0666, makedev(1, 3)), 0);
  if (kind == "planted") {
    QVERIFY(WriteBytes(session.Path("secret"), "secret"));
    QVERIFY(QDir().mkdir(session.Path("shared")));
    QCOMPARE(chmod(QFile::encodeName(session.Path("shared")).constData(), 01777), 0);
    output = session.Path("shared/x.ign");
    QVERIFY(QFile::link(session.Path("secret"), output));
    QCOMPARE(lchown(QFile::encodeName(output).constData(), 65534, 65534), 0);
  }
  struct stat before = {};
  lstat(QFile::encodeName(output).constData(), &before);

  session.Open(session.Path("in.ign"), output);

  QCOMPARE(session.dialogs.messages, QStringList{"Open file error!"});
  QCOMPARE(session.form->LabelFile5->text(), kNoFileYet);
  struct stat after = {};
  lstat(QFile::encodeName(output).constData(), &after);
  QCOMPARE(after.st_mode, before.st_mode);
  QCOMPARE(after.st_ino, before.st_ino);
  if (kind == "planted") QCOMPARE(FileBytes(session.Path("secret")), QByteArray("secret"));
}

void TTestConversion::ReplacedFileKeepsItsMode() {
  TSession session;
  QVERIFY(WriteBytes(session.Path("in.ign"), Example("kart-100.ign")));
  QVERIFY(WriteBytes(session.Path("out.ign"), "old"));
  const auto read_only = QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
  QVERIFY(QFile::setPermissions(session.Path("out.ign"), read_only));
  session.Open(session.Path("in.ign"), session.Path("out.ign"));
  QCOMPARE(session.dialogs.messages, QStringList{});
  const auto any = read_only | QFileDevice::WriteOwner | QFileDevice::WriteGroup |
                   QFileDevice::WriteOther | QFileDevice::ExeOwner;
  QCOMPARE(QFile::permissions(session.Path("out.ign")) & any, read_only);
  QCOMPARE(FileBytes(session.Path("out.ign")).size(), qsizetype(ign::kIgn2006Size));
}

// A name need not be UTF-8. Qt's dialog shows a byte that is none as U+FFFD;
// a name that went through NameFromNative carries it as it is.
void TTestConversion::NamesThatAreNotUtf8() {
  TSession session;
  const QByteArray folder = QFile::encodeName(session.dir.path());
  const std::string input = folder.toStdString() + "/bad\xff.ign";
  {
    std::FILE* file = std::fopen(input.c_str(), "wb");
    QVERIFY(file != nullptr);
    const QByteArray text = Example("kart-100.ign");
    std::fwrite(text.constData(), 1, size_t(text.size()), file);
    std::fclose(file);
  }
  const QString as_qt_shows_it = QFile::decodeName(QByteArray::fromStdString(input));
  QVERIFY(as_qt_shows_it.contains(QChar(0xFFFD)));
  const QString output = ign::NameFromNative(folder.toStdString() + "/out\xfe.ign");
  QCOMPARE(ign::NativeName(output), folder.toStdString() + "/out\xfe.ign");

  session.Open(as_qt_shows_it, output);

  QCOMPARE(session.dialogs.messages, QStringList{});
  TParameterSet expected = StartUpSet();
  std::FILE* written = std::fopen((folder.toStdString() + "/out\xfe.ign").c_str(), "rb");
  QVERIFY(written != nullptr);
  char bytes[ign::kIgn2006Size + 1];
  const size_t size = std::fread(bytes, 1, sizeof bytes, written);
  std::fclose(written);
  QCOMPARE(QByteArray(bytes, qsizetype(size)),
           ConvertLikeWindow(expected, Example("kart-100.ign")));

  // Opened by the name NameFromNative gives, too.
  session.dialogs.messages.clear();
  session.Open(ign::NameFromNative(input));
  QCOMPARE(session.dialogs.messages, QStringList{});
  QCOMPARE(session.form->LabelFile2->text(), ign::NameFromNative(input));
  // QTemporaryDir cannot name these to remove them.
  std::remove(input.c_str());
  std::remove((folder.toStdString() + "/out\xfe.ign").c_str());
}

void TTestConversion::Drop_data() {
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

void TTestConversion::Drop() {
  QFETCH(QStringList, urls);
  QFETCH(bool, accepted);
  QFETCH(QString, converted);
  TSession session;
  QVERIFY(WriteBytes(session.Path("kart.ign"), Example("kart-100.ign")));
  QVERIFY(WriteBytes(session.Path("enduro.ign"), Example("enduro-250.ign")));
  QList<QUrl> dropped;
  for (const QString& url : urls) {
    dropped << (url.startsWith("file:") ? QUrl::fromLocalFile(session.Path(url.mid(5)))
                                        : QUrl(url));
  }
  QMimeData data;
  data.setUrls(dropped);
  session.dialogs.save_answers.push_back(session.Path("dropped-2006.ign"));

  const QPoint where(200, 100);
  QDragEnterEvent enter(where, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(session.form.get(), &enter);
  QCOMPARE(enter.isAccepted(), accepted);
  if (accepted) {
    QDropEvent drop(QPointF(where), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(session.form.get(), &drop);
    QVERIFY(drop.isAccepted());
  }
  QCoreApplication::processEvents();

  QVERIFY(session.dialogs.open_shown.empty());  // a drop replaces the open dialog
  if (converted.isEmpty()) {
    QVERIFY(session.dialogs.save_shown.empty());
    QCOMPARE(session.form->LabelFile2->text(), kNoFileYet);
    return;
  }
  QCOMPARE(session.form->LabelFile2->text(), session.Path(converted));
  QCOMPARE(session.dialogs.save_shown.front().file_name, session.Path(converted));
  TParameterSet expected = StartUpSet();
  QCOMPARE(FileBytes(session.Path("dropped-2006.ign")),
           ConvertLikeWindow(expected, Example("kart-100.ign")));
}

QTEST_MAIN(TTestConversion)
#include "TestConversion.moc"
