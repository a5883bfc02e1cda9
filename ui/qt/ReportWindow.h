// The "Details" window: the report of the last conversion as text, and a
// button that copies it. It is no dialog: the main window stays usable.
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

  // Shows `report`, keeping the place the reader scrolled to when the text is
  // only translated.
  void SetReport(const QString& report);

 public slots:
  void ButtonCopy1Click();
};

}  // namespace ign
