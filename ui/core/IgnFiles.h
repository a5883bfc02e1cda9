// Reading and writing the parameter files of one conversion. Each call opens
// and closes its file itself, so no file stays open after it on any path.
// Names are as the file unit takes them: the file system's bytes on POSIX
// systems, UTF-8 on Windows.
#pragma once

#include <string>

#include "params/IgnReader.h"
#include "params/ParameterSet.h"

namespace ign {

enum class TReadOutcome { kCannotOpen, kUnmatchedVersion, kRead };
enum class TWriteOutcome { kCannotOpen, kWriteFailed, kWritten };

// Reads the version-2005 file `name` into `set`, telling `observer` what the
// reader meets. A folder, a device or a pipe counts as a file that cannot be
// opened. On any outcome but kRead the parameters in `set` are as they were.
TReadOutcome ReadIgnFile(const std::string& name, TParameterSet& set,
                         TReadObserver* observer = nullptr);

// Writes `set` as a version-2006 file `name`, creating or replacing it as
// ign-convert -f does: whole or not at all, keeping who may read the file,
// following a link only where the kernel would, never replacing a folder, a
// pipe or a device. The caller has asked before replacing.
TWriteOutcome WriteIgnFile(const std::string& name, const TParameterSet& set);

}  // namespace ign
