#include "resources/Artwork.h"

namespace ign {

QString BannerPath() { return QStringLiteral(":/ign/banner.jpg"); }
QString IconPath() { return QStringLiteral(":/ign/icon.png"); }

}  // namespace ign
