// The conversion as it would be written the obvious way from the format's
// rules: formatted C input and output ("%s ", "%u", "%d"; "%5u ", "%5d ")
// on C streams, one value at a time. The benchmarks measure the project
// against it; it is no part of the product.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "params/ParameterSet.h"

namespace ign::plain {

// Reads a version-2005 file from `in` into `set`; returns set.version_matched.
bool ReadIgn2005(std::FILE* in, TParameterSet& set);

// Prints `set` as a version-2006 file to `out`.
void WriteIgn2006(const TParameterSet& set, std::FILE* out);

// A whole conversion in memory, as the project's ConvertFresh does
// it, through memory streams: fresh set, adjust, read, adjust, write.
bool Convert(std::string_view input, std::string& output);

}  // namespace ign::plain
