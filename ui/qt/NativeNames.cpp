#include "ui/qt/NativeNames.h"

#include <QFile>
#include <filesystem>
#include <string>
#include <system_error>

namespace ign {
namespace {

namespace fs = std::filesystem;

constexpr char16_t kEscapeBase = 0xDC00;  // U+DC80 to U+DCFF stand for bytes
constexpr char16_t kReplacement = 0xFFFD;

// UTF-8, with the escaped bytes put back as they were.
std::string Encode(const QString& name) {
  std::string out;
  out.reserve(static_cast<std::size_t>(name.size()));
  QString run;
  const auto flush = [&] {
    out += run.toStdString();
    run.clear();
  };
  for (const QChar c : name) {
    const char16_t unit = c.unicode();
    const bool escaped = unit >= kEscapeBase + 0x80 && unit <= kEscapeBase + 0xFF;
    if (!escaped) {
      run += c;
      continue;
    }
    flush();
    out += static_cast<char>(unit - kEscapeBase);
  }
  flush();
  return out;
}

bool Exists(const std::string& native) {
  std::error_code error;
  return fs::exists(fs::symlink_status(native, error));
}

// The entry of `folder` that Qt's lossy decoding calls `shown`, when there is
// exactly one.
std::string FindByShownName(const std::string& folder, const QString& shown) {
  std::error_code error;
  std::string found;
  for (fs::directory_iterator it(folder.empty() ? "." : folder, error), end; !error && it != end;
       it.increment(error)) {
    const std::string entry = it->path().filename().native();
    if (QFile::decodeName(QByteArray::fromStdString(entry)) != shown) continue;
    if (!found.empty()) return {};
    found = entry;
  }
  return found;
}

}  // namespace

std::string NativeName(const QString& name) {
  const std::string native = Encode(name);
  if (!name.contains(QChar(kReplacement)) || Exists(native)) return native;
  const qsizetype slash = name.lastIndexOf(QLatin1Char('/'));
  if (slash < 0) {
    const std::string entry = FindByShownName("", name);
    return entry.empty() ? native : entry;
  }
  const std::string folder = slash == 0 ? "/" : NativeName(name.left(slash));
  const std::string entry = FindByShownName(folder, name.mid(slash + 1));
  if (entry.empty()) return native;
  return (folder == "/" ? folder : folder + "/") + entry;
}

QString NameFromNative(const std::string& native) {
  QString out;
  std::size_t at = 0;
  while (at < native.size()) {
    // The longest prefix that is whole UTF-8 is taken as it is.
    const auto byte = static_cast<unsigned char>(native[at]);
    const std::size_t length = byte < 0x80         ? 1
                               : (byte >> 5) == 6  ? 2
                               : (byte >> 4) == 14 ? 3
                               : (byte >> 3) == 30 ? 4
                                                   : 0;
    if (length > 0 && at + length <= native.size()) {
      const QByteArray piece = QByteArray::fromStdString(native.substr(at, length));
      const QString decoded = QString::fromUtf8(piece);
      // Overlong forms and surrogates come back other than they went.
      if (!decoded.contains(QChar(kReplacement)) && decoded.toUtf8() == piece) {
        out += decoded;
        at += length;
        continue;
      }
    }
    out += QChar(static_cast<char16_t>(kEscapeBase + byte));
    ++at;
  }
  return out;
}

QString ShownName(const std::string& native) {
  return QFile::decodeName(QByteArray::fromStdString(native));
}

bool NativeExists(const std::string& native) { return Exists(native); }

}  // namespace ign
