// The main window: menus, banner, the names of the files read and written.
#pragma once

#include <QMainWindow>
#include <QSize>
#include <QString>
#include <QStringList>

#include "params/ParameterSet.h"
#include "ui/FileDialog.h"
#include "ui/QtTranslation.h"

class QAction;
class QDragEnterEvent;
class QDropEvent;
class QLabel;
class QMenu;
class QMenuBar;
class QStatusBar;

namespace ign {

class TDialogs;
class TStatusReport;

// The outer size the window is laid out and centred for; the frame that the
// window system adds is not known before the window is first shown.
inline constexpr QSize kFormHlavOuterSize{572, 308};

class TFormHlav : public QMainWindow {
  Q_OBJECT

 public:
  // `arguments` as the program received them after Qt took its own options;
  // the first one after the program name may name the interface language.
  TFormHlav(const QStringList& arguments, TDialogs& dialogs, QWidget* parent = nullptr);

  // Controls, in the order of the window layout. The window owns them; the
  // language tables and the commands reach them by these names.
  QMenuBar* MainMenu1;
  QMenu* MenuFile;
  QAction* MenuOpen;
  QAction* N1;
  QAction* MenuExit;
  TFileDialog OpenDialog1;
  TFileDialog SaveDialog1;
  QStatusBar* StatusBar1;
  QMenu* MenuLanguage;
  QAction* MenuEnglish;
  QAction* MenuGerman;
  QAction* MenuFrench;
  QLabel* ImageLogo2;
  QLabel* LabelFile1;
  QLabel* LabelFile2;
  QLabel* LabelFile3;
  QLabel* LabelFile5;
  QLabel* LabelFile4;

  // Working data. Files are no members: each is open only inside one
  // conversion, which closes it on every path.
  QString MsgOpenFileError;
  QString MsgUnmatchedIgnVersion;
  QString MsgWriteFileError;
  QString FileName;             // the file read last, proposed for saving
  TParameterSet ParameterSet;   // one set for the whole run, never cleared
  TStatusReport* StatusReport;  // the line after a conversion, and its details

 public slots:
  void MenuOpenClick();
  void MenuExitClick();
  void MenuEnglishClick();
  void MenuGermanClick();
  void MenuFrenchClick();

 protected:
  bool event(QEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void BuildControls();
  void FormCreate(const QStringList& arguments);
  void SelectLanguage(std::uint8_t language);
  // Steps 2 to 12 of File > Open, from reading `input_name` on.
  void ConvertFile(const QString& input_name);

  TDialogs& dialogs_;
  TQtTranslation qt_translation_;
};

}  // namespace ign
