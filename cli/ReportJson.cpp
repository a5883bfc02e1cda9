#include "cli/ReportJson.h"

#include <nlohmann/json.hpp>

namespace ign {
namespace {

nlohmann::ordered_json ChangeJson(const TChange& change) {
  nlohmann::ordered_json json = nlohmann::ordered_json::object();
  if (change.line) json["line"] = *change.line;
  if (!change.key.empty()) json["key"] = change.key;
  if (change.index) {
    json["index"] = *change.index;
    if (change.in_map) {
      json["row"] = *change.index / kMapColumns;
      json["column"] = *change.index % kMapColumns;
    }
  }
  if (change.from) json["from"] = *change.from;
  if (change.to) json["to"] = *change.to;
  json["reason"] = ReasonCode(change.reason);
  return json;
}

}  // namespace

void PrintJsonReport(std::ostream& out, const std::vector<TFileReport>& reports) {
  nlohmann::ordered_json files = nlohmann::ordered_json::array();
  for (const TFileReport& report : reports) {
    nlohmann::ordered_json changes = nlohmann::ordered_json::array();
    for (const TChange& change : report.changes) changes.push_back(ChangeJson(change));
    files.push_back(
        {{"file", report.file}, {"converted", report.converted}, {"changes", std::move(changes)}});
  }
  // Bytes that are no UTF-8 (in a token of a damaged file) are replaced, so
  // that the document always parses.
  out << nlohmann::ordered_json{{"files", std::move(files)}}.dump(
             2, ' ', false, nlohmann::ordered_json::error_handler_t::replace)
      << '\n';
}

}  // namespace ign
