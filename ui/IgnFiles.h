// Reading and writing the parameter files of one conversion. Each call opens
// and closes its file itself, so no file stays open after it on any path.
#pragma once

#include <QString>

#include "params/IgnReader.h"
#include "params/ParameterSet.h"

namespace ign {

enum class TReadOutcome { kCannotOpen, kUnmatchedVersion, kRead };
enum class TWriteOutcome { kCannotOpen, kWriteFailed, kWritten };

// Reads the version-2005 file `name` into `set`, telling `observer` what the
// reader meets. A folder, a device or a pipe counts as a file that cannot be
// opened. On kUnmatchedVersion the parameters in `set` are as they were.
TReadOutcome ReadIgnFile(const QString& name, TParameterSet& set,
                         TReadObserver* observer = nullptr);

// Writes `set` as a version-2006 file `name`, creating or replacing it. The
// bytes go to a temporary file beside it that replaces the target only once
// all of them were written: a failure leaves no partial file and leaves a file
// that was to be replaced as it was.
TWriteOutcome WriteIgnFile(const QString& name, const TParameterSet& set);

}  // namespace ign
