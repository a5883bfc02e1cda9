#include "report/JsonReport.h"

#include <nlohmann/json.hpp>
#include <string>

namespace ign {
namespace {

// Bytes that are no UTF-8 (in a token of a damaged file, a file name) are
// replaced, so that the document always parses.
std::string Quoted(std::string_view text) {
  return nlohmann::json(std::string(text))
      .dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

// `text` in hexadecimal, two lower-case digits a byte, when it is no UTF-8;
// empty when it is.
std::string HexUnlessUtf8(std::string_view text) {
  try {
    (void)nlohmann::json(std::string(text)).dump();
    return {};
  } catch (const nlohmann::json::type_error&) {
    std::string hex;
    for (const unsigned char byte : text) {
      hex += "0123456789abcdef"[byte >> 4];
      hex += "0123456789abcdef"[byte & 15];
    }
    return hex;
  }
}

}  // namespace

TJsonReport::TJsonReport(std::ostream& out) : out_(out) { out_ << "{\"files\": ["; }

TJsonReport::~TJsonReport() { out_ << (first_file_ ? "]}\n" : "\n]}\n") << std::flush; }

void TJsonReport::BeginFile(std::string_view file, bool converted) {
  out_ << (first_file_ ? "\n  " : ",\n  ") << "{\"file\": " << Quoted(file);
  // Two names that differ only where they are no UTF-8 look the same above.
  if (const std::string hex = HexUnlessUtf8(file); !hex.empty()) {
    out_ << ", \"file_hex\": \"" << hex << '"';
  }
  out_ << ", \"converted\": " << (converted ? "true" : "false") << ", \"changes\": [";
  first_file_ = false;
  first_change_ = true;
}

void TJsonReport::Add(const TChange& change) {
  out_ << (first_change_ ? "\n    {" : ",\n    {");
  first_change_ = false;
  if (change.line != 0) out_ << "\"line\": " << change.line << ", ";
  if (!change.key.empty()) out_ << "\"key\": " << Quoted(change.key) << ", ";
  if (change.index) {
    out_ << "\"index\": " << *change.index << ", ";
    if (change.in_map) {
      out_ << "\"row\": " << *change.index / kMapColumns
           << ", \"column\": " << *change.index % kMapColumns << ", ";
    }
  }
  if (change.from) out_ << "\"from\": " << Quoted(*change.from) << ", ";
  if (change.to) out_ << "\"to\": \"" << *change.to << "\", ";
  out_ << "\"reason\": \"" << ReasonCode(change.reason) << "\"}";
}

void TJsonReport::EndFile() { out_ << (first_change_ ? "]}" : "\n  ]}"); }

}  // namespace ign
