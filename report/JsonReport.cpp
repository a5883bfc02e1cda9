#include "report/JsonReport.h"

#include <nlohmann/json.hpp>
#include <string>

namespace ign {
namespace {

// Bytes that are no UTF-8 (in a token of a damaged file) are replaced, so
// that the document always parses.
std::string Quoted(std::string_view text) {
  return nlohmann::json(std::string(text))
      .dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

}  // namespace

TJsonReport::TJsonReport(std::ostream& out) : out_(out) { out_ << "{\"files\": ["; }

TJsonReport::~TJsonReport() { out_ << (first_file_ ? "]}\n" : "\n]}\n") << std::flush; }

void TJsonReport::BeginFile(std::string_view file, bool converted) {
  out_ << (first_file_ ? "\n  " : ",\n  ") << "{\"file\": " << Quoted(file)
       << ", \"converted\": " << (converted ? "true" : "false") << ", \"changes\": [";
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
