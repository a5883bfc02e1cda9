#include "ui/Centring.h"

namespace ign {

QPoint CentredPosition(QSize screen, QSize window) {
  return {(screen.width() - window.width()) / 2, (screen.height() - window.height()) / 2};
}

}  // namespace ign
