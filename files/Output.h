// Putting output files in place whole or not at all, durably, and never
// through a link or onto a special file that the caller did not mean.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace ign {

enum class TSaveStatus {
  kSaved,
  kExists,      // the target exists and was not to be replaced
  kOpenError,   // the file could not be created, or is no file to replace
  kWriteError,  // not every byte could be written, made durable or put in place
};

struct TSaveResult {
  TSaveStatus status = TSaveStatus::kSaved;
  std::error_code reason;  // what the system said; empty when it said nothing
};

// Reasons of the file unit's own, where the system has no word for them.
enum class TSaveError {
  kAclNotKept = 1,     // the target's ACL could not be given to its replacement
  kAttributesNotKept,  // nor its user attributes
  kSameTargetTwice,    // an earlier file of the batch goes to the same file
};
std::error_code make_error_code(TSaveError error);

// Where new content waits until it is put in place.
enum class TTemporaryKind {
  kUnnamed,  // a file without a name where the file system offers one, else kNamed
  kNamed,    // ".NAME.<hex>.tmp" beside the target
};

// Saves any number of files so that each target is either old or new, whole,
// after a crash at any point. Add writes each new content to a temporary file
// that already has the target's mode, owner, group, ACL and user attributes
// (or is not made, saying why, where the ACL or an attribute cannot be kept);
// a new file gets what its folder gives any new file (umask, default ACL).
// Commit makes them all durable in one pass, puts them in place and syncs
// each folder once; a folder that cannot be synced fails its files.
//
// Links are followed as the kernel's protected-link rule would follow them,
// in the folders on the way as in the last name: in a sticky folder that
// anyone may write to, only a link of the caller or of the folder's owner.
// A file of another user there is not replaced either. The file a link names
// is replaced and the link stays; folders, pipes and devices are never
// replaced. A target that comes to the same file as an earlier one of the
// batch is refused. In an append-only folder, where no name can be removed,
// a new file is linked in from an unnamed one and a replacement is refused
// before anything is made. Named temporaries are removed on the signals that
// PrepareForSaving lists (files/Temporaries.h), and a write beyond `ulimit
// -f` fails with EFBIG rather than ending the process.
//
// On Windows every temporary is named, each file is flushed on its own and
// moved in place with MoveFileExW; a read-only target is not replaced, and
// a replacement keeps the target's hidden, system and archive attributes
// but gets its folder's ACL. Temporaries are removed on Ctrl-C, Ctrl-Break
// and the console closing; a process killed outright leaves them behind.
class TOutputBatch {
 public:
  // The most files that wait for Commit at once, whatever Full says.
  static constexpr std::size_t kMostPending = 1024;

  explicit TOutputBatch(TTemporaryKind kind = TTemporaryKind::kUnnamed);
  // Drops every file not committed; the targets stay as they were.
  ~TOutputBatch();
  TOutputBatch(const TOutputBatch&) = delete;
  TOutputBatch& operator=(const TOutputBatch&) = delete;

  // Writes `bytes` for `target`. kSaved means it waits for Commit; any other
  // result is final and nothing of it is left on disk.
  TSaveResult Add(const std::string& target, std::string_view bytes, bool replace);

  // How many files wait for Commit.
  std::size_t Pending() const;

  // Whether the caller must Commit before the next Add: the waiting files and
  // their folders hold as many descriptors as the process may open, less a
  // few for everything else, or kMostPending files wait.
  bool Full() const;

  // Puts every waiting file in place; the results come in the order of Add.
  // Without `replace`, a target that appeared meanwhile is kept (kExists).
  std::vector<TSaveResult> Commit();

 private:
  struct TState;  // the system's own
  std::unique_ptr<TState> state_;
};

// A batch of one file.
TSaveResult SaveFile(const std::string& target, std::string_view bytes, bool replace);

// Makes the folder `name` unless it is there (a link to a folder will do);
// its parent must be. Returns false, with the reason, when there is no
// folder of that name afterwards.
bool MakeFolder(const std::string& name, std::error_code& reason);

}  // namespace ign

template <>
struct std::is_error_code_enum<ign::TSaveError> : std::true_type {};
