// File names between Qt and the file system. A name on a POSIX system is
// bytes and need not be UTF-8; Qt holds names as QStrings.
#pragma once

#include <QString>
#include <string>

namespace ign {

// The file system's own name for `name`. A byte that is no UTF-8 stands in a
// QString as U+DC00 plus the byte, as NameFromNative makes it; and where a
// name of Qt's own decoding (with U+FFFD for such bytes) names nothing, the
// one entry of its folder that Qt decodes the same way is meant.
std::string NativeName(const QString& name);

// `native` as a QString that NativeName turns back into the same bytes.
QString NameFromNative(const std::string& native);

// `native` as people read it: Qt's own decoding, U+FFFD for a byte that is
// no UTF-8.
QString ShownName(const std::string& native);

// Whether anything, a link to nothing included, has the name `native`.
bool NativeExists(const std::string& native);

}  // namespace ign
