#include "files/Output.h"

#include <filesystem>

#include "files/Utf8Path.h"

namespace ign {
namespace {

class TSaveCategory final : public std::error_category {
 public:
  const char* name() const noexcept override { return "ign-save"; }
  std::string message(int code) const override {
    switch (static_cast<TSaveError>(code)) {
      case TSaveError::kAclNotKept:
        return "its access control list cannot be kept";
      case TSaveError::kAttributesNotKept:
        return "its extended attributes cannot be kept";
      case TSaveError::kSameTargetTwice:
        return "an earlier input is written to the same file";
    }
    return "unknown reason";
  }
};

}  // namespace

std::error_code make_error_code(TSaveError error) {
  static const TSaveCategory category;
  return {static_cast<int>(error), category};
}

TSaveResult SaveFile(const std::string& target, std::string_view bytes, bool replace) {
  TOutputBatch batch;
  const TSaveResult added = batch.Add(target, bytes, replace);
  if (added.status != TSaveStatus::kSaved) return added;
  return batch.Commit().front();
}

bool MakeFolder(const std::string& name, std::error_code& reason) {
  reason.clear();
  std::filesystem::path path;
  try {
    path = PathFromUtf8(name);
  } catch (const std::system_error&) {
    // Bytes that are no UTF-8, which no Windows name can hold.
    reason = std::make_error_code(std::errc::illegal_byte_sequence);
    return false;
  }
  if (std::filesystem::create_directory(path, reason)) return true;
  if (reason && reason != std::errc::file_exists) return false;
  reason.clear();
  if (std::filesystem::is_directory(path, reason)) return true;
  if (!reason) reason = std::make_error_code(std::errc::not_a_directory);
  return false;
}

}  // namespace ign
