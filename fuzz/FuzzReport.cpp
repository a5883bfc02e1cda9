// Any bytes through the report: the reporter must not crash, its JSON must
// parse and hold every change, and every change must name what it is about.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <string_view>

#include "params/Convert.h"
#include "report/Change.h"
#include "report/JsonReport.h"
#include "report/Reporter.h"
#include "report/TextReport.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

// Every change is about a key, a token, a line or the whole file.
class TSane final : public ign::TChangeSink {
 public:
  void Add(const ign::TChange& change) override {
    Check(!change.key.empty() || change.from.has_value() ||
          change.reason == ign::TReason::kNotChecked);
    Check(change.reason != ign::TReason::kMissingKey || change.line == 0);
    ++count;
  }
  std::size_t count = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  ign::TReporter reporter;
  ign::TParameterSet written;
  std::string file;
  if (!ign::ConvertFresh(text, file, &reporter, &written)) return 0;

  std::ostringstream rows_out;
  std::ostringstream changes_out;
  TSane sane;
  ign::TReasonCounts counts;
  {
    ign::TTextRows rows(rows_out, "in:");
    ign::TJsonChanges changes(changes_out);
    ign::TTeeSink text_and_json(rows, changes);
    ign::TTeeSink all(text_and_json, sane);
    ign::TTeeSink counted(all, counts);
    reporter.Report(written, counted);
  }
  std::ostringstream json_out;
  {
    ign::TJsonReport json(json_out);
    json.File({"in", true, {}, &counts, changes_out.str()});
  }
  const nlohmann::json document = nlohmann::json::parse(json_out.str(), nullptr, false);
  Check(!document.is_discarded());
  Check(document["files"].size() == 1);
  Check(document["files"][0]["changes"].size() == sane.count);
  return 0;
}
