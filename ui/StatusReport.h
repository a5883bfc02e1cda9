// What the window says after a conversion: one line in the status bar, how
// many values changed unexpectedly, and a "Details" button that opens the
// whole report of the last conversion.
#pragma once

#include <QObject>
#include <QString>
#include <vector>

#include "params/ParameterSet.h"
#include "report/Change.h"

class QLabel;
class QStatusBar;
class QToolButton;

namespace ign {

class TFormReport;
class TReporter;

class TStatusReport : public QObject {
  Q_OBJECT

 public:
  // Puts its controls into `bar`; `window` owns the details window.
  TStatusReport(QStatusBar& bar, QWidget& window);

  QLabel* LabelStatus1;
  QToolButton* ButtonDetails1;
  TFormReport* FormReport;

  // Tells the conversion of `input_name` that `reporter` watched and that
  // wrote `written`.
  void Show(const QString& input_name, const TReporter& reporter, const TParameterSet& written);
  // Empties the line and closes the details window.
  void Clear();
  // Captions from LanguageIndex; the line and an open report follow.
  void ApplyLanguage();
  // The report as the details window shows it, in the current language.
  QString ReportText() const;

 public slots:
  void ButtonDetails1Click();

 private:
  bool shown_ = false;
  QString input_name_;
  std::vector<TChange> changes_;
};

}  // namespace ign
