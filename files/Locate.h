// Finding, on POSIX systems, the folder and the name where a target's new
// content goes. Each folder is opened once per batch, and a link is only
// followed, on the way as at the end, where a shared folder allows it.
#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <utility>

#include "files/Output.h"

namespace ign {

// What a batch knows of a folder it writes to.
struct TFolderInfo {
  struct stat status;  // as it was when opened
  bool append_only;    // names may be added to it, never removed or replaced
};

// The folders that the files of a batch go to, open until Close.
class TFolders {
 public:
  TFolders() = default;
  ~TFolders() { Close(); }
  TFolders(const TFolders&) = delete;
  TFolders& operator=(const TFolders&) = delete;

  // The folder `path` (relative to the working folder unless it starts with
  // "/"), opened for reading; -1 with errno when it cannot be. Every link on
  // the way is followed only as MayUse allows. A folder reached twice, under
  // any name, is opened once.
  int Open(const std::string& path);

  // What is known of `folder`, one of Open's.
  const TFolderInfo& Info(int folder) const { return info_.at(folder); }

  // Every open folder, each once.
  const std::map<int, TFolderInfo>& All() const { return info_; }

  void Close();

 private:
  std::map<std::string, int> by_path_;
  std::map<std::pair<dev_t, ino_t>, int> by_identity_;
  std::map<int, TFolderInfo> info_;
};

// Like the kernel's fs.protected_symlinks and fs.protected_regular: in a
// sticky folder that anyone may write to, a link is only followed, and a
// file only replaced, when it belongs to the caller or to the folder's owner,
// so that no one can plant a link there that sends the caller's write
// somewhere else, nor a file of their own that the caller then fills.
bool MayUse(const struct stat& entry, const struct stat& folder);

// Where a target's content goes.
struct TLocation {
  TSaveResult result;  // kSaved when found; anything else is final
  int folder = -1;     // of the batch's TFolders
  std::string folder_name;
  std::string name;                // the entry in it
  std::optional<struct stat> old;  // the regular file there now, to be replaced
};

// Finds the folder and name that `target` stands for, following links as
// MayUse allows, and what is there now. Without `replace`, anything of that
// name is kExists, a link to nothing too. A target that names a folder
// ("x/", "x/.") is refused with what is true of it: a folder, no folder, or
// nothing there.
TLocation Locate(const std::string& target, bool replace, TFolders& folders);

}  // namespace ign
