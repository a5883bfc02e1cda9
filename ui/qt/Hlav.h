// The main window on Qt: menus, banner, the names of the files read and
// written, the status line and its report window.
#pragma once

#include <QMainWindow>
#include <string>

#include "ui/core/Hlav.h"
#include "ui/qt/FileDialog.h"
#include "ui/qt/FileNameLabel.h"
#include "ui/qt/QtTranslation.h"

class QAction;
class QDragEnterEvent;
class QDropEvent;
class QLabel;
class QMenu;
class QMenuBar;
class QStatusBar;
class QToolButton;

namespace ign {

class TDialogs;
class TFormReport;

class TFormHlav : public QMainWindow, public TFormHlavBase {
  Q_OBJECT

 public:
  // The first argument that the program received may name the interface
  // language; a further one may name a file, which is converted as soon as
  // the window is first shown.
  TFormHlav(const TArguments& arguments, TDialogs& dialogs, QWidget* parent = nullptr);

  // Controls, in the order of the window layout. The window owns them.
  QMenuBar* MainMenu1;
  QMenu* MenuFile;
  QAction* MenuOpen;
  QAction* N1;
  QAction* MenuExit;
  TQtFileDialog QtOpenDialog1{OpenDialog1};
  TQtFileDialog QtSaveDialog1{SaveDialog1};
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
  // In the status bar: the line after a conversion, behind a warning sign
  // when values changed unexpectedly, and the button that opens its report.
  QLabel* ImageWarning1;
  QLabel* LabelStatus1;
  QToolButton* ButtonDetails1;
  TFormReport* FormReport;

  void SetCaption(TControl control, std::string_view text) override;
  void SetChecked(TControl item, bool checked) override;
  void ShowFileName(TControl label, const std::string& name) override;
  void ShowStatus(std::string_view line) override;
  std::optional<std::string> AskOpenName(TFileDialog& dialog) override;
  std::optional<std::string> AskSaveName(TFileDialog& dialog) override;
  void ShowMessage(std::string_view text) override;
  void MoveTo(TPoint position) override;
  void Close() override;

 public slots:
  // Converts the file named on the command line, as if it had been chosen
  // in the open dialog; runs once, when the window is first shown.
  void FormShow();
  void ButtonDetails1Click();

 protected:
  void LanguageSelected() override;
  bool event(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void BuildControls();
  QAction* ItemOf(TControl control) const;

  TDialogs& dialogs_;
  TQtTranslation qt_translation_;
  std::string argument_file_;  // the file named on the command line, until it is converted
};

}  // namespace ign
