// Dropping a file onto the main window converts it as if it had been chosen
// in the open dialog.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMetaObject>
#include <QMimeData>
#include <QUrl>

#include "ui/qt/Hlav.h"
#include "ui/qt/NativeNames.h"

namespace ign {
namespace {

// The first of the dropped items, if it is a local file; of several dropped
// at once only the first counts.
QString DroppedFile(const QMimeData* data) {
  if (data == nullptr || !data->hasUrls()) return {};
  const QList<QUrl> urls = data->urls();
  if (urls.isEmpty() || !urls.first().isLocalFile()) return {};
  return urls.first().toLocalFile();
}

}  // namespace

void TFormHlav::dragEnterEvent(QDragEnterEvent* event) {
  if (!DroppedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void TFormHlav::dropEvent(QDropEvent* event) {
  const QString name = DroppedFile(event->mimeData());
  if (name.isEmpty()) return;
  event->acceptProposedAction();
  // Converted once the drop is over: the dialogs of the conversion must not
  // keep the program the file came from waiting for the drop to finish.
  QMetaObject::invokeMethod(
      this, [this, name] { ConvertFile(NativeName(name)); }, Qt::QueuedConnection);
}

}  // namespace ign
