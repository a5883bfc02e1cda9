// Narrowing numbers to their low bytes: how the reader stores the maps,
// most of a file's values.
#pragma once

#include <cstdint>

namespace ign {

// out[i] = values[i] modulo 256 for i below `count`.
void StoreLowBytes(const std::uint32_t* values, unsigned count, std::uint8_t* out);

}  // namespace ign
