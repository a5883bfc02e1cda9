// Writing a parameter set as a version-2006 parameter file.
//
// The layout is fixed: 155 lines, CR LF after every line, values in cells of
// fixed width, so every file is exactly kIgn2006Size bytes whatever the set
// holds. `version_matched` is not written, nor are `ref_frek` and `knock_ca`.
#pragma once

#include <cstddef>
#include <ostream>
#include <string>

#include "params/ParameterSet.h"

namespace ign {

inline constexpr std::size_t kIgn2006Size = 12844;
inline constexpr std::size_t kIgn2006Lines = 155;

// Appends the file's bytes to `out`.
void WriteIgn2006(const TParameterSet& set, std::string& out);

// Writes the file's bytes to `out` in one write; the stream is neither
// flushed nor closed, and its state tells whether the write succeeded.
void WriteIgn2006(const TParameterSet& set, std::ostream& out);

}  // namespace ign
