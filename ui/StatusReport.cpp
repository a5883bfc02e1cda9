#include "ui/StatusReport.h"

#include <QLabel>
#include <QStatusBar>
#include <QToolButton>
#include <sstream>

#include "report/Reporter.h"
#include "report/TextReport.h"
#include "ui/Jazyk3.h"
#include "ui/Language.h"
#include "ui/ReportWindow.h"

namespace ign {
namespace {

class TCollected final : public TChangeSink {
 public:
  explicit TCollected(std::vector<TChange>& changes) : changes_(changes) {}
  void Add(const TChange& change) override { changes_.push_back(change); }

 private:
  std::vector<TChange>& changes_;
};

std::size_t UnexpectedOf(const std::vector<TChange>& changes) {
  TReasonCounts counts;
  for (const TChange& change : changes) counts.Add(change);
  return counts.Unexpected();
}

}  // namespace

TStatusReport::TStatusReport(QStatusBar& bar, QWidget& window) : QObject(&window) {
  LabelStatus1 = new QLabel(&bar);
  LabelStatus1->setObjectName(QStringLiteral("LabelStatus1"));
  ButtonDetails1 = new QToolButton(&bar);
  ButtonDetails1->setObjectName(QStringLiteral("ButtonDetails1"));
  ButtonDetails1->setAutoRaise(true);
  ButtonDetails1->setMaximumHeight(bar.maximumHeight());
  bar.addWidget(LabelStatus1);
  bar.addWidget(ButtonDetails1);
  FormReport = new TFormReport(&window);
  connect(ButtonDetails1, &QToolButton::clicked, this, &TStatusReport::ButtonDetails1Click);
  Clear();
  ApplyLanguage();
}

void TStatusReport::Show(const QString& input_name, const TReporter& reporter,
                         const TParameterSet& written) {
  changes_.clear();
  TCollected collected(changes_);
  reporter.Report(written, collected);
  input_name_ = input_name;
  shown_ = true;
  LabelStatus1->show();
  ButtonDetails1->show();
  ApplyLanguage();
}

void TStatusReport::Clear() {
  shown_ = false;
  changes_.clear();
  changes_.shrink_to_fit();
  LabelStatus1->clear();
  LabelStatus1->hide();
  ButtonDetails1->hide();
  FormReport->hide();
  FormReport->SetReport(QString());
}

void TStatusReport::ApplyLanguage() {
  const TReportTexts texts = ReportTextsIn(LanguageIndex);
  ButtonDetails1->setText(texts.details);
  FormReport->ApplyTexts(texts);
  if (!shown_) return;
  LabelStatus1->setText(texts.StatusLine(UnexpectedOf(changes_)));
  if (FormReport->isVisible()) FormReport->SetReport(ReportText());
}

QString TStatusReport::ReportText() const {
  if (!shown_) return {};
  const TReportTexts texts = ReportTextsIn(LanguageIndex);
  std::ostringstream out;
  {
    TTextRows rows(out, input_name_.toStdString() + ":", texts.ReasonTexts());
    for (const TChange& change : changes_) rows.Add(change);
  }
  return QString::fromStdString(out.str()) + texts.StatusLine(UnexpectedOf(changes_)) +
         QLatin1Char('\n');
}

void TStatusReport::ButtonDetails1Click() {
  FormReport->SetReport(ReportText());
  FormReport->show();
  FormReport->raise();
  FormReport->activateWindow();
}

}  // namespace ign
