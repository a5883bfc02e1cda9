#include "ui/core/IgnFiles.h"

#include <system_error>

#include "files/Input.h"
#include "files/Output.h"
#include "params/IgnWriter.h"

namespace ign {

TReadOutcome ReadIgnFile(const std::string& name, TParameterSet& set, TReadObserver* observer) {
  // A name "-" is a file here, never standard input.
  TInputFile file;
  std::error_code reason;
  if (!file.Open(name == "-" ? "./-" : name, reason)) return TReadOutcome::kCannotOpen;
  // Read into a copy, so that a read that fails part way changes nothing.
  TParameterSet read = set;
  const bool matched = ReadIgn2005(file.Stream(), read, observer);
  if (file.Failed(reason)) return TReadOutcome::kCannotOpen;
  if (!matched) return TReadOutcome::kUnmatchedVersion;
  set = read;
  return TReadOutcome::kRead;
}

TWriteOutcome WriteIgnFile(const std::string& name, const TParameterSet& set) {
  std::string bytes;
  WriteIgn2006(set, bytes);
  switch (SaveFile(name, bytes, true).status) {
    case TSaveStatus::kSaved:
      return TWriteOutcome::kWritten;
    case TSaveStatus::kOpenError:
      return TWriteOutcome::kCannotOpen;
    case TSaveStatus::kExists:
    case TSaveStatus::kWriteError:
      break;
  }
  return TWriteOutcome::kWriteFailed;
}

}  // namespace ign
