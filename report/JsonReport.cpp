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

void TJsonReport::File(const TJsonFile& entry) {
  out_ << (first_file_ ? "\n  " : ",\n  ") << "{\"file\": " << Quoted(entry.file);
  first_file_ = false;
  // Two names that differ only where they are no UTF-8 look the same above.
  if (const std::string hex = HexUnlessUtf8(entry.file); !hex.empty()) {
    out_ << ", \"file_hex\": \"" << hex << '"';
  }
  out_ << ", \"converted\": " << (entry.converted ? "true" : "false");
  if (!entry.converted) out_ << ", \"error\": " << Quoted(entry.error);
  if (entry.counts != nullptr) {
    out_ << ", \"checked\": " << (entry.counts->Checked() ? "true" : "false");
    if (entry.counts->Checked()) {
      out_ << ", \"unexpected\": " << entry.counts->Values()
           << ", \"skipped\": " << entry.counts->SkippedWords();
    }
  }
  out_ << ", \"changes\": [" << entry.changes << (entry.changes.empty() ? "]}" : "\n  ]}");
}

void TJsonChanges::Add(const TChange& change) {
  out_ << (first_ ? "\n    {" : ",\n    {");
  first_ = false;
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

}  // namespace ign
