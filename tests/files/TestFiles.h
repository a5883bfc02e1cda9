// What the tests of the file unit share: a scratch folder and plain reads
// and writes by UTF-8 name.
#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "files/Output.h"
#include "files/Utf8Path.h"

namespace ign::test {

namespace fs = std::filesystem;

// A fresh empty folder in `base`, removed with everything in it at the end.
class TFolder {
 public:
  explicit TFolder(const fs::path& base = fs::temp_directory_path()) {
    std::random_device random;
    path_ = base / ("ign-files-test-" + std::to_string(random()));
    fs::create_directories(path_);
  }
  ~TFolder() { fs::remove_all(path_); }
  TFolder(const TFolder&) = delete;
  TFolder& operator=(const TFolder&) = delete;

  // The UTF-8 name of the entry `name` (UTF-8 as well).
  std::string operator/(const std::string& name) const {
    return Utf8FromPath(path_ / PathFromUtf8(name));
  }
  // The names of the entries, sorted, hidden ones included.
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(path_)) {
      names.push_back(Utf8FromPath(entry.path().filename()));
    }
    std::sort(names.begin(), names.end());
    return names;
  }

 private:
  fs::path path_;
};

inline std::string Read(const std::string& name) {
  std::ifstream in(PathFromUtf8(name), std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

inline void Write(const std::string& name, const std::string& bytes) {
  std::ofstream(PathFromUtf8(name), std::ios::binary) << bytes;
}

inline constexpr TTemporaryKind kKinds[] = {TTemporaryKind::kUnnamed, TTemporaryKind::kNamed};

// A batch of one file with temporaries of `kind`.
inline TSaveResult Save(TTemporaryKind kind, const std::string& target, const std::string& bytes,
                        bool replace) {
  TOutputBatch batch(kind);
  const TSaveResult added = batch.Add(target, bytes, replace);
  return added.status != TSaveStatus::kSaved ? added : batch.Commit().front();
}

}  // namespace ign::test
