// The progress line of a long batch on a terminal: quiet for a second, then
// one line redrawn in place at most ten times a second, wiped before each
// message and at the end.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/Progress.h"

namespace ign {
namespace {

using namespace std::chrono_literals;

TEST(Progress, OneLineRedrawnInPlaceAndWiped) {
  struct TStep {
    std::size_t done;  // inputs done; 0 wipes the line instead
    TProgress::TClock::duration at;
    const char* printed;
  };
  const TStep steps[] = {
      {1, 10ms, ""},
      {40, 999ms, ""},  // a short batch shows nothing
      {41, 1s, "\rign-convert: 41 of 200 files"},
      {42, 1050ms, ""},  // not yet redrawn
      {60, 1100ms, "\rign-convert: 60 of 200 files"},
      {0, 1120ms, "\r                            \r"},  // before a message
      {61, 1130ms, "\rign-convert: 61 of 200 files"},   // back at once
      {0, 1140ms, "\r                            \r"},  // at the end
      {0, 1150ms, ""},                                  // nothing left to wipe
  };
  const TProgress::TClock::time_point start;
  std::ostringstream out;
  TProgress progress(out, 200, true, start);
  for (const TStep& step : steps) {
    out.str("");
    if (step.done == 0) {
      progress.Clear();
    } else {
      progress.Step(step.done, start + step.at);
    }
    EXPECT_EQ(out.str(), step.printed) << step.done;
  }

  // Not on a terminal: nothing, however long the batch.
  std::ostringstream quiet;
  TProgress off(quiet, 200, false, start);
  off.Step(100, start + 10s);
  off.Clear();
  EXPECT_EQ(quiet.str(), "");
}

}  // namespace
}  // namespace ign
