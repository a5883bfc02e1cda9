#include "ui/qt/Hlav.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFont>
#include <QIcon>
#include <QKeySequence>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <filesystem>
#include <utility>

#include "resources/Artwork.h"
#include "ui/core/Language.h"
#include "ui/qt/Dialogs.h"
#include "ui/qt/JpegImage.h"
#include "ui/qt/NativeNames.h"
#include "ui/qt/ReportWindow.h"

namespace ign {
namespace {

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

template <typename TLabel = QLabel, typename... TMore>
TLabel* AddLabel(QWidget* client, TControl control, const char* name, TMore... more) {
  auto* label = new TLabel(client, more...);
  label->setObjectName(QLatin1String(name));
  label->setTextFormat(Qt::PlainText);
  label->move(PlaceOf(control).at.x, PlaceOf(control).at.y);
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
    : QMainWindow(parent), dialogs_(dialogs), argument_file_(FileOfArguments(arguments)) {
  // The open dialog returns full names; so does the command line, relative
  // to the folder the program was started in.
  if (!argument_file_.empty()) argument_file_ = std::filesystem::absolute(argument_file_).string();
  BuildControls();
  const QScreen* screen = QGuiApplication::primaryScreen();
  const TSize screen_size =
      screen ? TSize{screen->geometry().width(), screen->geometry().height()} : kFormHlavOuterSize;
  FormCreate(arguments, screen_size, kFormHlavOuterSize);
  // The client area below the menu bar is laid out for kClientSize. Sized
  // only now: the menu bar's height depends on its captions, which the
  // language gives.
  resize(kClientSize.width, MainMenu1->sizeHint().height() + kClientSize.height);
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
  // The style's own warning sign, at the size of the line.
  ImageWarning1 = new QLabel(StatusBar1);
  ImageWarning1->setObjectName(QStringLiteral("ImageWarning1"));
  const int icon = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this);
  ImageWarning1->setPixmap(
      style()->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, this).pixmap(icon, icon));
  LabelStatus1 = new QLabel(StatusBar1);
  LabelStatus1->setObjectName(QStringLiteral("LabelStatus1"));
  LabelStatus1->setTextFormat(Qt::PlainText);
  // Raised like any button, so that it does not pass for more text.
  ButtonDetails1 = new QToolButton(StatusBar1);
  ButtonDetails1->setObjectName(QStringLiteral("ButtonDetails1"));
  ButtonDetails1->setMaximumHeight(kStatusBarHeight);
  ButtonDetails1->setCursor(Qt::PointingHandCursor);
  StatusBar1->addWidget(ImageWarning1);
  StatusBar1->addWidget(LabelStatus1);
  StatusBar1->addWidget(ButtonDetails1);
  FormReport = new TFormReport(this);

  MenuLanguage = MainMenu1->addMenu(QString());
  MenuLanguage->setObjectName(QStringLiteral("MenuLanguage"));
  MenuEnglish = AddAction(MenuLanguage, "MenuEnglish");
  MenuGerman = AddAction(MenuLanguage, "MenuGerman");
  MenuFrench = AddAction(MenuLanguage, "MenuFrench");
  for (QAction* item : {MenuEnglish, MenuGerman, MenuFrench}) item->setCheckable(true);

  auto* client = new QWidget(this);
  setCentralWidget(client);
  ImageLogo2 = AddLabel(client, TControl::kImageLogo2, "ImageLogo2");
  ImageLogo2->resize(PlaceOf(TControl::kImageLogo2).size.width,
                     PlaceOf(TControl::kImageLogo2).size.height);
  ImageLogo2->setPixmap(QPixmap::fromImage(LoadBanner()));
  LabelFile1 = AddLabel(client, TControl::kLabelFile1, "LabelFile1");
  LabelFile2 =
      AddLabel<TFileNameLabel>(client, TControl::kLabelFile2, "LabelFile2", kFileNameMargin);
  LabelFile3 = AddLabel(client, TControl::kLabelFile3, "LabelFile3");
  LabelFile5 =
      AddLabel<TFileNameLabel>(client, TControl::kLabelFile5, "LabelFile5", kFileNameMargin);
  LabelFile4 = AddLabel(client, TControl::kLabelFile4, "LabelFile4");
  for (QLabel* label : {LabelFile2, LabelFile5}) {
    label->setText(QLatin1String(kNoFileYet));
    label->adjustSize();
  }

  connect(MenuOpen, &QAction::triggered, this, [this] { MenuOpenClick(); });
  connect(MenuExit, &QAction::triggered, this, [this] { MenuExitClick(); });
  connect(MenuEnglish, &QAction::triggered, this, [this] { MenuEnglishClick(); });
  connect(MenuGerman, &QAction::triggered, this, [this] { MenuGermanClick(); });
  connect(MenuFrench, &QAction::triggered, this, [this] { MenuFrenchClick(); });
  connect(ButtonDetails1, &QToolButton::clicked, this, &TFormHlav::ButtonDetails1Click);
  ShowStatus({});
}

QAction* TFormHlav::ItemOf(TControl control) const {
  switch (control) {
    case TControl::kMenuFile:
      return MenuFile->menuAction();
    case TControl::kMenuOpen:
      return MenuOpen;
    case TControl::kMenuExit:
      return MenuExit;
    case TControl::kMenuLanguage:
      return MenuLanguage->menuAction();
    case TControl::kMenuEnglish:
      return MenuEnglish;
    case TControl::kMenuGerman:
      return MenuGerman;
    case TControl::kMenuFrench:
      return MenuFrench;
    default:
      return nullptr;
  }
}

void TFormHlav::SetCaption(TControl control, std::string_view text) {
  const QString caption = FromUtf8(text);
  if (QAction* item = ItemOf(control)) {
    item->setText(caption);
    return;
  }
  QLabel* label = nullptr;
  switch (control) {
    case TControl::kFormHlav:
      setWindowTitle(caption);
      return;
    case TControl::kButtonDetails1:
      ButtonDetails1->setText(caption);
      return;
    case TControl::kFormReport:
      FormReport->setWindowTitle(caption);
      return;
    case TControl::kButtonCopy1:
      FormReport->ButtonCopy1->setText(caption);
      return;
    case TControl::kButtonClose1:
      FormReport->ButtonClose1->setText(caption);
      return;
    case TControl::kLabelFile1:
      label = LabelFile1;
      break;
    case TControl::kLabelFile3:
      label = LabelFile3;
      break;
    case TControl::kLabelFile4:
      label = LabelFile4;
      break;
    default:
      return;
  }
  label->setText(caption);
  label->adjustSize();
}

void TFormHlav::SetChecked(TControl item, bool checked) {
  if (QAction* action = ItemOf(item)) action->setChecked(checked);
}

void TFormHlav::ShowFileName(TControl label, const std::string& name) {
  (label == TControl::kLabelFile2 ? LabelFile2 : LabelFile5)->SetFileName(ShownName(name));
}

void TFormHlav::ShowStatus(std::string_view line) {
  // Values changed unexpectedly: the line stands out, behind the warning sign.
  const bool warns = StatusReport.Warns();
  QFont font = LabelStatus1->font();
  font.setBold(warns);
  LabelStatus1->setFont(font);
  LabelStatus1->setText(FromUtf8(line));
  LabelStatus1->setVisible(!line.empty());
  ImageWarning1->setVisible(!line.empty() && warns);
  ButtonDetails1->setVisible(!line.empty());
  if (line.empty()) FormReport->hide();
  if (FormReport->isVisible()) {
    FormReport->SetReport(FromUtf8(StatusReport.ReportText()));
  } else {
    FormReport->SetReport(QString());  // nothing kept that is not shown
  }
}

void TFormHlav::ButtonDetails1Click() {
  FormReport->ShowReport(FromUtf8(StatusReport.ReportText()));
}

std::optional<std::string> TFormHlav::AskOpenName(TFileDialog&) {
  const std::optional<QString> name = dialogs_.AskOpenName(*this, QtOpenDialog1);
  if (!name) return std::nullopt;
  return NativeName(*name);
}

std::optional<std::string> TFormHlav::AskSaveName(TFileDialog&) {
  const std::optional<QString> name = dialogs_.AskSaveName(*this, QtSaveDialog1);
  if (!name) return std::nullopt;
  return NativeName(*name);
}

void TFormHlav::ShowMessage(std::string_view text) { dialogs_.ShowMessage(*this, FromUtf8(text)); }

void TFormHlav::MoveTo(TPoint position) { move(position.x, position.y); }

void TFormHlav::Close() { close(); }

void TFormHlav::LanguageSelected() { qt_translation_.Select(LanguageIndex); }

void TFormHlav::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // Queued, so that the window is on the screen before the save dialog.
  if (!argument_file_.empty()) QTimer::singleShot(0, this, &TFormHlav::FormShow);
}

void TFormHlav::FormShow() {
  const std::string name = std::exchange(argument_file_, std::string());
  if (name.empty()) return;
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
