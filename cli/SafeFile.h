// Putting an output file in place as a whole or not at all.
#pragma once

#include <filesystem>
#include <string_view>

namespace ign {

enum class TSaveResult {
  kSaved,
  kExists,      // the target exists and was not to be replaced
  kOpenError,   // the file could not be created
  kWriteError,  // not every byte could be written and flushed
};

// Writes `bytes` to a new file next to `target` and renames it over the
// target once every byte is written and flushed. On any failure the new file
// is removed and the target, if there was one, is left untouched. A link as
// target is followed, so the file it names is replaced and the link stays.
TSaveResult SaveFile(const std::filesystem::path& target, std::string_view bytes, bool replace);

// Writes `bytes` to standard output and flushes it.
bool WriteStandardOutput(std::string_view bytes);

}  // namespace ign
