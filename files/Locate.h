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

// The folders that the files of a batch go to, open until Close.
class TFolders {
 public:
  TFolders() = default;
  ~TFolders() { Close(); }
  TFolders(const TFolders&) = delete;
  TFolders& operator=(const TFolders&) = delete;

  // The folder `path` (relative to the working folder unless it starts with
  // "/"), opened for reading; -1 with errno when it cannot be. Every link on
  // the way is followed only as MayFollow allows. A folder reached twice,
  // under any name, is opened once.
  int Open(const std::string& path);

  // What `folder`, one of Open's, was when it was opened.
  const struct stat& Status(int folder) const { return status_.at(folder); }

  // Every open folder, each once.
  const std::map<int, struct stat>& All() const { return status_; }

  void Close();

 private:
  std::map<std::string, int> by_path_;
  std::map<std::pair<dev_t, ino_t>, int> by_identity_;
  std::map<int, struct stat> status_;
};

// Like the kernel's fs.protected_symlinks: in a sticky folder that anyone
// may write to, a link is only followed when it belongs to the caller or to
// the folder's owner, so that no one can plant a link there that sends the
// caller's write somewhere else.
bool MayFollow(const struct stat& link, const struct stat& folder);

// Where a target's content goes.
struct TLocation {
  TSaveResult result;  // kSaved when found; anything else is final
  int folder = -1;     // of the batch's TFolders
  std::string folder_name;
  std::string name;                // the entry in it
  std::optional<struct stat> old;  // the regular file there now, to be replaced
};

// Finds the folder and name that `target` stands for, following links as
// MayFollow allows, and what is there now. Without `replace`, anything of
// that name is kExists, a link to nothing too.
TLocation Locate(const std::string& target, bool replace, TFolders& folders);

}  // namespace ign
