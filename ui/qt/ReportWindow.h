// The "Details" window: the report of the last conversion as text, and
// buttons that copy it and close the window. It is no dialog: the main
// window stays usable.
#pragma once

#include <QString>
#include <QWidget>

class QPlainTextEdit;
class QPushButton;

namespace ign {

class TFormReport : public QWidget {
  Q_OBJECT

 public:
  explicit TFormReport(QWidget* parent);

  QPlainTextEdit* MemoReport1;
  QPushButton* ButtonCopy1;
  QPushButton* ButtonClose1;

  // Shows `report`, keeping the place the reader scrolled to when the text is
  // only translated; widens the window where a line would not fit.
  void SetReport(const QString& report);
  // Shows the window with `report`, as wide as its widest line needs.
  void ShowReport(const QString& report);

 public slots:
  void ButtonCopy1Click();

 private:
  // The window's width that shows every line of the report whole, within
  // the screen the window is on.
  int FittingWidth() const;
};

}  // namespace ign
