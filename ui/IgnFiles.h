// Reading and writing the parameter files of one conversion. Each call opens
// and closes its file itself, so no file stays open after it on any path.
#pragma once

#include <QString>
#include <string>

#include "params/IgnReader.h"
#include "params/ParameterSet.h"

namespace ign {

enum class TReadOutcome { kCannotOpen, kUnmatchedVersion, kRead };
enum class TWriteOutcome { kCannotOpen, kWriteFailed, kWritten };

// Reads the version-2005 file `name` into `set`, telling `observer` what the
// reader meets. A folder, a device or a pipe counts as a file that cannot be
// opened. On any outcome but kRead the parameters in `set` are as they were.
TReadOutcome ReadIgnFile(const QString& name, TParameterSet& set,
                         TReadObserver* observer = nullptr);

// Writes `set` as a version-2006 file `name`, creating or replacing it as
// ign-convert -f does: whole or not at all, keeping who may read the file,
// following a link only where the kernel would, never replacing a folder, a
// pipe or a device.
TWriteOutcome WriteIgnFile(const QString& name, const TParameterSet& set);

// The file system's own name for `name`. A file name need not be UTF-8: a
// byte that is none stands in a QString as U+DC00 plus the byte, as
// NameFromNative makes it; and where a name of Qt's own decoding (with
// U+FFFD for such bytes) names nothing, the one entry of its folder that Qt
// decodes the same way is meant.
std::string NativeName(const QString& name);

// `native` as a QString that NativeName turns back into the same bytes.
QString NameFromNative(const std::string& native);

}  // namespace ign
