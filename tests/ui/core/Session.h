// A window of a fresh run with scripted dialogs, working in a folder of its
// own, and the library's answer to what it should write.
#pragma once

#include <string>

#include "params/Convert.h"
#include "params/IgnReader.h"
#include "params/IgnWriter.h"
#include "params/New.h"
#include "tests/files/TestFiles.h"
#include "tests/ui/core/FakeForm.h"

namespace ign::test {

inline std::string Example(const std::string& name) {
  return Read(std::string(IGN_EXAMPLES_DIR "/") + name);
}

// What `set` becomes when the window converts `text`, and the file it
// writes, computed with the library alone; empty for a text it refuses.
inline std::string ConvertLikeWindow(TParameterSet& set, const std::string& text) {
  if (!ReadIgn2005(text, set)) return {};
  AdjustFor2006(set);
  std::string out;
  WriteIgn2006(set, out);
  return out;
}

// The parameters of a set, without the reader's report.
inline std::string Parameters(TParameterSet set) {
  set.version_matched = false;
  return std::string(reinterpret_cast<const char*>(&set), sizeof set);
}

struct TSession {
  std::string Path(const std::string& name) const { return folder / name; }
  // A first conversion, so that a later failure has something to keep.
  void ConvertKart() {
    Write(Path("first.ign"), Example("kart-100.ign"));
    form.Open(Path("first.ign"), Path("first-2006.ign"));
    ConvertLikeWindow(expected_set, Example("kart-100.ign"));
  }

  TFolder folder;
  TFakeForm form;
  TParameterSet expected_set = FreshSet();
};

}  // namespace ign::test
