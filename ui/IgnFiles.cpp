#include "ui/IgnFiles.h"

#include <QFileInfo>
#include <QSaveFile>
#include <filesystem>
#include <fstream>
#include <string>

#include "params/IgnReader.h"
#include "params/IgnWriter.h"

namespace ign {

TReadOutcome ReadIgnFile(const QString& name, TParameterSet& set, TReadObserver* observer) {
  // Opening a folder succeeds on some systems and a pipe may never end;
  // neither is a parameter file.
  if (!QFileInfo(name).isFile()) return TReadOutcome::kCannotOpen;
  // Binary, as the command-line converter reads: CR is white space to the
  // reader anyway, and a Ctrl-Z in the text must not end it early on Windows.
  std::ifstream in(std::filesystem::path(name.toStdU16String()), std::ios::binary);
  if (!in.is_open()) return TReadOutcome::kCannotOpen;
  return ReadIgn2005(in, set, observer) ? TReadOutcome::kRead : TReadOutcome::kUnmatchedVersion;
}

TWriteOutcome WriteIgnFile(const QString& name, const TParameterSet& set) {
  std::string bytes;
  WriteIgn2006(set, bytes);

  QSaveFile file(name);
  // No text mode: the CR LF line ends are in the bytes already.
  if (!file.open(QIODevice::WriteOnly)) return TWriteOutcome::kCannotOpen;
  const auto size = static_cast<qint64>(bytes.size());
  // The explicit flush matters: commit() flushes the buffered bytes itself
  // but does not notice when that fails (a full disk), and would then put a
  // short file in place of the target. Not committed, the temporary file is
  // removed when `file` goes.
  if (file.write(bytes.data(), size) != size || !file.flush() || !file.commit()) {
    return TWriteOutcome::kWriteFailed;
  }
  return TWriteOutcome::kWritten;
}

}  // namespace ign
