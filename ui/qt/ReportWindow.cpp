#include "ui/qt/ReportWindow.h"

#include <QClipboard>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

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

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ButtonCopy1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(MemoReport1);
  layout->addLayout(buttons);
  connect(ButtonCopy1, &QPushButton::clicked, this, &TFormReport::ButtonCopy1Click);
}

void TFormReport::SetReport(const QString& report) {
  const int scrolled = MemoReport1->verticalScrollBar()->value();
  MemoReport1->setPlainText(report);
  MemoReport1->verticalScrollBar()->setValue(scrolled);
}

void TFormReport::ButtonCopy1Click() {
  QGuiApplication::clipboard()->setText(MemoReport1->toPlainText());
}

}  // namespace ign
