#include "ui/qt/ReportWindow.h"

#include <QClipboard>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QStyle>
#include <QTextDocument>
#include <QVBoxLayout>
#include <algorithm>

namespace ign {

TFormReport::TFormReport(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("FormReport"));
  resize(760, 420);
  MemoReport1 = new QPlainTextEdit(this);
  MemoReport1->setObjectName(QStringLiteral("MemoReport1"));
  MemoReport1->setReadOnly(true);
  MemoReport1->setLineWrapMode(QPlainTextEdit::NoWrap);
  // The rows line up in columns, as on a terminal.
  MemoReport1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  ButtonCopy1 = new QPushButton(this);
  ButtonCopy1->setObjectName(QStringLiteral("ButtonCopy1"));
  ButtonCopy1->setDefault(true);
  ButtonClose1 = new QPushButton(this);
  ButtonClose1->setObjectName(QStringLiteral("ButtonClose1"));

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ButtonCopy1);
  buttons->addWidget(ButtonClose1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(MemoReport1);
  layout->addLayout(buttons);
  connect(ButtonCopy1, &QPushButton::clicked, this, &TFormReport::ButtonCopy1Click);
  connect(ButtonClose1, &QPushButton::clicked, this, &QWidget::close);
  // Escape closes it wherever the focus is, as it closes a dialog.
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, &QWidget::close);
}

void TFormReport::SetReport(const QString& report) {
  const int scrolled = MemoReport1->verticalScrollBar()->value();
  MemoReport1->setPlainText(report);
  MemoReport1->verticalScrollBar()->setValue(scrolled);
  if (isVisible() && FittingWidth() > width()) resize(FittingWidth(), height());
}

void TFormReport::ShowReport(const QString& report) {
  SetReport(report);
  const QScreen* on = screen() ? screen() : QGuiApplication::primaryScreen();
  const int room = on ? on->availableGeometry().height() : height();
  resize(FittingWidth(), std::min(height(), room));
  show();
  raise();
  activateWindow();
}

int TFormReport::FittingWidth() const {
  const QFontMetrics metrics(MemoReport1->font());
  int widest = 0;
  for (const QString& line : MemoReport1->toPlainText().split(QLatin1Char('\n'))) {
    widest = std::max(widest, metrics.horizontalAdvance(line));
  }
  // Beside the text: the document's and the frame's margins, the cursor, the
  // vertical scroll bar and the window's own margins.
  const QMargins margins = layout()->contentsMargins();
  const int beside = 2 * int(MemoReport1->document()->documentMargin()) +
                     2 * MemoReport1->frameWidth() + MemoReport1->cursorWidth() +
                     MemoReport1->verticalScrollBar()->sizeHint().width() + margins.left() +
                     margins.right();
  const QScreen* on = screen() ? screen() : QGuiApplication::primaryScreen();
  const int room = on ? on->availableGeometry().width() : widest + beside;
  return std::min(widest + beside, room);
}

void TFormReport::ButtonCopy1Click() {
  QGuiApplication::clipboard()->setText(MemoReport1->toPlainText());
}

}  // namespace ign
