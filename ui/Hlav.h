// The main window: menus, banner, the names of the files read and written.
#pragma once

#include <QMainWindow>
#include <QSize>
#include <QString>
#include <QStringList>

#include "params/ParameterSet.h"
#include "ui/Arguments.h"
#include "ui/FileDialog.h"
#include "ui/FileNameLabel.h"
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
  // The first argument that the program received may name the interface
  // language; a further one may name a file, which is converted as soon as
  // the window is first shown.
  TFormHlav(const TArguments& arguments, TDialogs& dialogs, QWidget* parent = nullptr);

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
  TFileNameLabel* LabelFile2;
  QLabel* LabelFile3;
  TFileNameLabel* LabelFile5;
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
  // Converts the file named on the command line, as if it had been chosen
  // in the open dialog; runs once, when the window is first shown.
  void FormShow();

 protected:
  bool event(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void BuildControls();
  void FormCreate(const TArguments& arguments);
  void SelectLanguage(std::uint8_t language);
  // Reads `input_name`, adjusts the set, asks for the output name and writes
  // the version-2006 file, showing both names; a failure shows its message.
  void ConvertFile(const QString& input_name);

  TDialogs& dialogs_;
  TQtTranslation qt_translation_;
  QString argument_file_;  // the file named on the command line, until it is converted
};

}  // namespace ign
