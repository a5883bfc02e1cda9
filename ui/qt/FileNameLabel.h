// A label of the main window that shows the full name of a file.
#pragma once

#include <QLabel>
#include <QString>

namespace ign {

// Shows the name as plain text (a file may be called "<u>a</u>.ign"), cut in
// the middle where it would run past the window's right edge, and whole in
// its tool tip. The cut follows the window when it is resized.
class TFileNameLabel : public QLabel {
  Q_OBJECT

 public:
  // `margin`: the room kept free between the label and the window's edge.
  TFileNameLabel(QWidget* parent, int margin);

  // Shows `name`; the tool tip holds it whole.
  void SetFileName(const QString& name);
  const QString& FileName() const { return file_name_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Fit();

  QString file_name_;
  int margin_;
};

}  // namespace ign
