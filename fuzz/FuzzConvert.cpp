// Any bytes at all: the reader must not crash or hang, must agree with the
// plain byte-at-a-time reading from memory and from a stream on every
// instruction path the machine can run, and whatever the set holds the
// writer gives the fixed layout.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>
#include <string_view>

#include "params/Convert.h"
#include "params/IgnReader.h"
#include "params/IgnWriter.h"
#include "params/New.h"
#include "params/reference/Reference.h"
#include "params/scan/SimdPath.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

void CheckLayout(const std::string& file) {
  Check(file.size() == ign::kIgn2006Size);
  std::size_t lines = 0;
  for (std::size_t i = 0; i < file.size(); ++i) {
    if (file[i] == '\n') {
      Check(i > 0 && file[i - 1] == '\r');
      ++lines;
    }
  }
  Check(lines == ign::kIgn2006Lines);
  Check(file.compare(file.size() - 2, 2, "\r\n") == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  std::string output;
  const bool converted = ign::ConvertFresh(text, output);
  if (converted) {
    CheckLayout(output);
  } else {
    Check(output.empty());
  }

  ign::TParameterSet plain;
  ign::AdjustFor2006(plain);
  Check(ign::reference::Read(text, plain) == converted);
  ign::TParameterSet from_memory;
  for (const ign::TSimdPath path : ign::RunnablePaths()) {
    ign::UseSimdPath(path);
    ign::TParameterSet from_stream;
    from_memory = {};
    ign::AdjustFor2006(from_memory);
    ign::AdjustFor2006(from_stream);
    Check(ign::ReadIgn2005(text, from_memory) == converted);
    std::istringstream in{std::string(text)};
    Check(ign::ReadIgn2005(in, from_stream) == converted);
    Check(std::memcmp(&from_memory, &from_stream, sizeof from_memory) == 0);
    Check(std::memcmp(&from_memory, &plain, sizeof plain) == 0);
  }

  // The set as the reader left it, even without the version key.
  std::string written;
  ign::WriteIgn2006(from_memory, written);
  CheckLayout(written);
  return 0;
}
