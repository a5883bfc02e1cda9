// Numbers of the resources compiled into the Windows program; shared by the
// resource script and the code.
#pragma once

#define IGN_ICON_RESOURCE 1
#define IGN_BANNER_RESOURCE 2

#ifdef __cplusplus
namespace ign {
inline constexpr int kIconResource = IGN_ICON_RESOURCE;
inline constexpr int kBannerResource = IGN_BANNER_RESOURCE;
}  // namespace ign
#endif
