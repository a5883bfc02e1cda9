#include "tests/cli/RunProgram.h"

#include <algorithm>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

#include "files/Utf8Path.h"

namespace ign::test {
namespace fs = std::filesystem;

TTempFolder::TTempFolder() {
  std::random_device random;
  std::ostringstream name;
  name << "ign-cli-test-" << std::hex << random() << random();
  path_ = fs::temp_directory_path() / name.str();
  fs::create_directories(path_);
}

TTempFolder::~TTempFolder() {
  std::error_code error;
  fs::remove_all(path_, error);
}

std::vector<std::string> TTempFolder::Names() const {
  std::vector<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(path_)) {
    names.push_back(Utf8FromPath(entry.path().filename()));
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::string ReadBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read a test file");
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void WriteBytes(const fs::path& file, std::string_view bytes) {
  std::ofstream out(file, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out.flush()) throw std::runtime_error("cannot write a test file");
}

std::string ReadBytes(const std::string& file) { return ReadBytes(PathFromUtf8(file)); }

void WriteBytes(const std::string& file, std::string_view bytes) {
  WriteBytes(PathFromUtf8(file), bytes);
}

std::string TTempFolder::operator/(std::string_view name) const {
  return Utf8FromPath(path_ / PathFromUtf8(name));
}

std::string Example(std::string_view name) {
  return Utf8FromPath(fs::path(IGN_EXAMPLES_DIR) / PathFromUtf8(name));
}

}  // namespace ign::test
