#include "cli/Progress.h"

#include <string>

#include "cli/Messages.h"

namespace ign {
namespace {

constexpr auto kQuietFor = std::chrono::seconds(1);
constexpr auto kRedrawAfter = std::chrono::milliseconds(100);

}  // namespace

TProgress::TProgress(std::ostream& out, std::size_t total, bool shown, TClock::time_point start)
    : out_(out), total_(total), shown_(shown), start_(start), drawn_(start) {}

void TProgress::Step(std::size_t done, TClock::time_point now) {
  if (!shown_ || now - start_ < kQuietFor || (width_ > 0 && now - drawn_ < kRedrawAfter)) return;
  const std::string line = std::string(kProgramName) + ": " + std::to_string(done) + " of " +
                           std::to_string(total_) + " files";
  // The numbers only grow, so the new line covers the old one.
  out_ << '\r' << line << std::flush;
  width_ = line.size();
  drawn_ = now;
}

void TProgress::Clear() {
  if (width_ == 0) return;
  out_ << '\r' << std::string(width_, ' ') << '\r' << std::flush;
  width_ = 0;
}

}  // namespace ign
