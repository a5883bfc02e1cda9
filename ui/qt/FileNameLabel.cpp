#include "ui/qt/FileNameLabel.h"

#include <QEvent>
#include <QFontMetrics>

namespace ign {

TFileNameLabel::TFileNameLabel(QWidget* parent, int margin) : QLabel(parent), margin_(margin) {
  setTextFormat(Qt::PlainText);
  parent->installEventFilter(this);
}

void TFileNameLabel::SetFileName(const QString& name) {
  file_name_ = name;
  setToolTip(name);
  Fit();
}

bool TFileNameLabel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == parentWidget() && event->type() == QEvent::Resize && !file_name_.isEmpty()) {
    Fit();
  }
  return QLabel::eventFilter(watched, event);
}

void TFileNameLabel::Fit() {
  const int room = parentWidget()->width() - x() - margin_;
  setText(fontMetrics().elidedText(file_name_, Qt::ElideMiddle, qMax(room, 0)));
  adjustSize();
}

}  // namespace ign
