// A plain copy of the format, written for clarity and nothing else: a
// byte-at-a-time reader, a writer that prints step by step with the C
// library's printf formats, and the adjustment between them. It shares only
// the key and encoding tables with the library (which the table tests hold
// against the format), none of its scanning, layout or cells. The library must agree
// with it on every input and every set: the agreement tests and the fuzz
// targets check so, and the benchmarks measure the library against it.
#pragma once

#include <string>
#include <string_view>

#include "params/ParameterSet.h"

namespace ign::reference {

// Reads `text` as a version-2005 file into `set`, as ReadIgn2005 does;
// returns set.version_matched.
bool Read(std::string_view text, TParameterSet& set);

// The version-2006 file of `set`, as WriteIgn2006 writes it.
std::string Write(const TParameterSet& set);

// As AdjustFor2006.
void Adjust(TParameterSet& set);

// A whole conversion as ConvertFresh does it: a set of zeros, adjusted, then
// `input` read, adjusted and appended to `output` as a version-2006 file.
// Returns false and leaves `output` alone without the version pair.
bool Convert(std::string_view input, std::string& output);

}  // namespace ign::reference
