#include "ui/Hlav.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QIcon>
#include <QKeySequence>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QScreen>
#include <QShowEvent>
#include <QStatusBar>
#include <QTimer>
#include <utility>

#include "params/New.h"
#include "resources/Artwork.h"
#include "ui/Centring.h"
#include "ui/Jazyk1.h"
#include "ui/Jazyk2.h"
#include "ui/JpegImage.h"
#include "ui/Language.h"
#include "ui/StatusReport.h"

namespace ign {
namespace {

constexpr int kClientWidth = 564;
constexpr int kStatusBarTop = 236;  // below the menu bar
constexpr int kStatusBarHeight = 18;
constexpr int kFileNameMargin = 8;  // between a file name and the window's edge
const char* const kNoFileYet = "----------";

template <typename TLabel = QLabel, typename... TMore>
TLabel* AddLabel(QWidget* client, const char* name, int left, int top, TMore... more) {
  auto* label = new TLabel(client, more...);
  label->setObjectName(QLatin1String(name));
  label->setTextFormat(Qt::PlainText);
  label->move(left, top);
  return label;
}

QAction* AddAction(QMenu* menu, const char* name) {
  QAction* action = menu->addAction(QString());
  action->setObjectName(QLatin1String(name));
  return action;
}

QImage LoadBanner() {
  QFile file(BannerPath());
  if (!file.open(QIODevice::ReadOnly)) return {};
  return DecodeJpeg(file.readAll());
}

}  // namespace

TFormHlav::TFormHlav(const TArguments& arguments, TDialogs& dialogs, QWidget* parent)
    : QMainWindow(parent),
      OpenDialog1(QFileDialog::AcceptOpen,
                  {QStringLiteral("Ignition Parametrs(*.ign)"), QStringLiteral("All Files (*.*)")},
                  QStringLiteral("ign")),
      SaveDialog1(QFileDialog::AcceptSave, {QStringLiteral("Ignition Parametrs(*.ign)")},
                  QStringLiteral("ign")),
      dialogs_(dialogs),
      argument_file_(FileOfArguments(arguments)) {
  // The open dialog returns full names; so does the command line, relative
  // to the folder the program was started in.
  if (!argument_file_.isEmpty()) argument_file_ = QFileInfo(argument_file_).absoluteFilePath();
  BuildControls();
  FormCreate(arguments);
  // The client area below the menu bar is laid out for 564 x 254 pixels, the
  // status bar taking the last 18. Sized only now: the menu bar's height
  // depends on its captions, which the language gives.
  resize(kClientWidth, MainMenu1->sizeHint().height() + kStatusBarTop + kStatusBarHeight);
  // Lays the client area out now, not at the first show: a file name shown
  // before then is cut to the room it will have.
  layout()->activate();
}

void TFormHlav::BuildControls() {
  setObjectName(QStringLiteral("FormHlav"));
  // The platform substitutes a face of its own where this one is missing;
  // the point size keeps the layout's proportions.
  setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
  setWindowIcon(QIcon(IconPath()));
  setAcceptDrops(true);

  MainMenu1 = menuBar();
  MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
  MenuFile = MainMenu1->addMenu(QString());
  MenuFile->setObjectName(QStringLiteral("MenuFile"));
  MenuOpen = AddAction(MenuFile, "MenuOpen");
  // Bare F3, also while a menu (any of them) is open.
  MenuOpen->setShortcut(QKeySequence(Qt::Key_F3));
  MenuOpen->setShortcutContext(Qt::ApplicationShortcut);
  N1 = MenuFile->addSeparator();
  N1->setObjectName(QStringLiteral("N1"));
  MenuExit = AddAction(MenuFile, "MenuExit");

  StatusBar1 = statusBar();
  StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
  StatusBar1->setFixedHeight(kStatusBarHeight);
  StatusReport = new TStatusReport(*StatusBar1, *this);

  MenuLanguage = MainMenu1->addMenu(QString());
  MenuLanguage->setObjectName(QStringLiteral("MenuLanguage"));
  MenuEnglish = AddAction(MenuLanguage, "MenuEnglish");
  MenuGerman = AddAction(MenuLanguage, "MenuGerman");
  MenuFrench = AddAction(MenuLanguage, "MenuFrench");
  for (QAction* item : {MenuEnglish, MenuGerman, MenuFrench}) item->setCheckable(true);

  auto* client = new QWidget(this);
  setCentralWidget(client);
  ImageLogo2 = new QLabel(client);
  ImageLogo2->setObjectName(QStringLiteral("ImageLogo2"));
  ImageLogo2->setGeometry(145, -1, 312, 44);
  ImageLogo2->setPixmap(QPixmap::fromImage(LoadBanner()));
  LabelFile1 = AddLabel(client, "LabelFile1", 40, 81);
  LabelFile2 = AddLabel<TFileNameLabel>(client, "LabelFile2", 106, 81, kFileNameMargin);
  LabelFile3 = AddLabel(client, "LabelFile3", 40, 117);
  LabelFile5 = AddLabel<TFileNameLabel>(client, "LabelFile5", 104, 153, kFileNameMargin);
  LabelFile4 = AddLabel(client, "LabelFile4", 40, 153);
  for (QLabel* label : {LabelFile2, LabelFile5}) {
    label->setText(QLatin1String(kNoFileYet));
    label->adjustSize();
  }

  connect(MenuOpen, &QAction::triggered, this, &TFormHlav::MenuOpenClick);
  connect(MenuExit, &QAction::triggered, this, &TFormHlav::MenuExitClick);
  connect(MenuEnglish, &QAction::triggered, this, &TFormHlav::MenuEnglishClick);
  connect(MenuGerman, &QAction::triggered, this, &TFormHlav::MenuGermanClick);
  connect(MenuFrench, &QAction::triggered, this, &TFormHlav::MenuFrenchClick);
}

void TFormHlav::FormCreate(const TArguments& arguments) {
  AdjustFor2006(ParameterSet);  // the start values of gain and time_const

  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(CentredPosition(screen->geometry().size(), kFormHlavOuterSize));
  }

  LanguageIndex = LanguageOfArguments(arguments, LanguageIndex);
  LoadMessageTexts(*this);
  qt_translation_.Select(LanguageIndex);
  ApplyLanguage(*this);
}

void TFormHlav::MenuEnglishClick() { SelectLanguage(kEnglish); }
void TFormHlav::MenuGermanClick() { SelectLanguage(kGerman); }
void TFormHlav::MenuFrenchClick() { SelectLanguage(kFrench); }

void TFormHlav::SelectLanguage(std::uint8_t language) {
  LanguageIndex = language;
  qt_translation_.Select(language);
  ApplyLanguage(*this);
}

void TFormHlav::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // Queued, so that the window is on the screen before the save dialog.
  if (!argument_file_.isEmpty()) QTimer::singleShot(0, this, &TFormHlav::FormShow);
}

void TFormHlav::FormShow() {
  const QString name = std::exchange(argument_file_, QString());
  if (name.isEmpty()) return;
  OpenDialog1.FileName = name;
  ConvertFile(name);
}

bool TFormHlav::event(QEvent* event) {
  // The status bar is part of the look only: menu items passing their
  // (empty) status tips must not make it show or clear anything.
  if (event->type() == QEvent::StatusTip) return true;
  return QMainWindow::event(event);
}

}  // namespace ign
