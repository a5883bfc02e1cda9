// Decoding the JPEG banner with the system's own imaging (WIC).
#pragma once

#include <windows.h>

#include <cstddef>

namespace ign {

// The picture that `data` holds as a 32-bit bitmap the caller owns, or null
// when the data is no JPEG, is damaged or cut short. COM must be initialised.
HBITMAP DecodeJpeg(const void* data, std::size_t size);

// The banner compiled into the program as a resource, decoded.
HBITMAP LoadBanner(HINSTANCE instance);

}  // namespace ign
