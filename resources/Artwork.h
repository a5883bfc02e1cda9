// Where the window finds its artwork.
#pragma once

#include <QString>

namespace ign {

// The 312 x 44 JPEG banner at the top of the main window.
QString BannerPath();
// The 32 x 32 window icon.
QString IconPath();

}  // namespace ign
