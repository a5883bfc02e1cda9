// The file unit where POSIX systems give more to keep or to guard against:
// links, special files, modes, owners, ACLs and signals.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "files/Output.h"
#include "tests/files/TestFiles.h"

namespace ign::test {
namespace {

constexpr uid_t kOther = 65534;  // nobody

struct stat Status(const std::string& name) {
  struct stat status = {};
  lstat(name.c_str(), &status);
  return status;
}

bool IsRoot() { return geteuid() == 0; }

TEST(Links, FollowedAndKeptDanglingOnesCreateTheirFile) {
  for (TTemporaryKind kind : kKinds) {
    TFolder folder;
    Write(folder / "real", "old");
    fs::create_symlink("real", folder / "link");
    fs::create_symlink("link", folder / "chain");
    fs::create_symlink("sub/made", folder / "dangling");
    fs::create_directory(folder / "sub");
    fs::create_symlink("loop", folder / "loop");
    EXPECT_EQ(Save(kind, folder / "chain", "new", true).status, TSaveStatus::kSaved);
    EXPECT_EQ(Read(folder / "real"), "new");
    EXPECT_EQ(Save(kind, folder / "dangling", "made", true).status, TSaveStatus::kSaved);
    EXPECT_EQ(Read(folder / "sub/made"), "made");
    EXPECT_TRUE(fs::is_symlink(folder / "dangling"));
    // Without replacing, a link counts as a file, also one to nothing.
    fs::create_symlink("nothing", folder / "nowhere");
    EXPECT_EQ(Save(kind, folder / "nowhere", "x", false).status, TSaveStatus::kExists);
    const TSaveResult loop = Save(kind, folder / "loop", "x", true);
    EXPECT_EQ(loop.status, TSaveStatus::kOpenError);
    EXPECT_EQ(loop.reason, std::errc::too_many_symbolic_link_levels);
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"chain", "dangling", "link", "loop",
                                                        "nowhere", "real", "sub"}));
  }
}

// In a sticky folder anyone may write to, a link of someone else's is not
// followed, as the last name nor as a folder on the way, unless it belongs to
// the folder's owner.
TEST(Links, PlantedLinkInSharedFolderIsRefused) {
  if (!IsRoot()) GTEST_SKIP() << "needs root to give a link to another user";
  TFolder folder;
  fs::create_directory(folder / "private");
  chmod((folder / "private").c_str(), 0700);
  Write(folder / "private/secret", "secret");
  chmod((folder / "private/secret").c_str(), 0600);
  fs::create_directory(folder / "shared");
  chmod((folder / "shared").c_str(), 01777);
  const std::pair<std::string, std::string> planted[] = {
      {"shared/x.ign", "private/secret"},  // the last name
      {"shared/out", "private"},           // a folder on the way: shared/out/secret
  };
  for (const auto& [link, to] : planted) {
    fs::create_symlink(folder / to, folder / link);
    ASSERT_EQ(lchown((folder / link).c_str(), kOther, kOther), 0);
  }
  for (const char* target : {"shared/x.ign", "shared/out/secret", "shared/out/new"}) {
    const TSaveResult result = SaveFile(folder / target, "evil", true);
    EXPECT_EQ(result.status, TSaveStatus::kOpenError) << target;
    EXPECT_EQ(result.reason, std::errc::permission_denied) << target;
  }
  EXPECT_EQ(Read(folder / "private/secret"), "secret");
  EXPECT_FALSE(fs::exists(folder / "private/new"));

  // The folder's owner may point the way; so may the caller.
  ASSERT_EQ(chown((folder / "shared").c_str(), kOther, kOther), 0);
  EXPECT_EQ(SaveFile(folder / "shared/x.ign", "owner's", true).status, TSaveStatus::kSaved);
  EXPECT_EQ(Read(folder / "private/secret"), "owner's");
  ASSERT_EQ(chown((folder / "shared").c_str(), 0, 0), 0);
  ASSERT_EQ(lchown((folder / "shared/out").c_str(), 0, 0), 0);
  EXPECT_EQ(SaveFile(folder / "shared/out/secret", "mine", true).status, TSaveStatus::kSaved);
  EXPECT_EQ(Read(folder / "private/secret"), "mine");
}

TEST(SpecialFiles, NeverReplacedNorWrittenInto) {
  TFolder folder;
  ASSERT_EQ(mkfifo((folder / "fifo").c_str(), 0644), 0);
  std::vector<std::string> targets = {folder / "fifo"};
  if (IsRoot() && mknod((folder / "null").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0) {
    targets.push_back(folder / "null");
  }
  for (const std::string& target : targets) {
    const struct stat before = Status(target);
    EXPECT_EQ(SaveFile(target, "x", true).status, TSaveStatus::kOpenError) << target;
    EXPECT_EQ(Status(target).st_mode, before.st_mode) << target;
    EXPECT_EQ(Status(target).st_ino, before.st_ino) << target;
  }
  EXPECT_EQ(folder.Names().size(), targets.size());
}

TEST(Permissions, ModeKeptAndNeverWiderWhileWriting) {
  for (TTemporaryKind kind : kKinds) {
    for (mode_t mode : {0444, 0600, 0640, 02755}) {
      TFolder folder;
      Write(folder / "t", "old");
      chmod((folder / "t").c_str(), mode);
      TOutputBatch batch(kind);
      ASSERT_EQ(batch.Add(folder / "t", "new", true).status, TSaveStatus::kSaved);
      // A named temporary already has the target's mode, never more.
      for (const std::string& name : folder.Names()) {
        EXPECT_EQ(Status(folder / name).st_mode & 07777, mode) << name;
      }
      EXPECT_EQ(batch.Commit().front().status, TSaveStatus::kSaved);
      EXPECT_EQ(Status(folder / "t").st_mode & 07777, mode);
      EXPECT_EQ(Read(folder / "t"), "new");
    }
  }
}

TEST(Permissions, OwnerGroupAclAndUserAttributesKept) {
  TFolder folder;
  const std::string target = folder / "t";
  Write(target, "old");
  chmod(target.c_str(), 0640);
  if (setxattr(target.c_str(), "user.origin", "bench 3", 7, 0) != 0) {
    GTEST_SKIP() << "no user attributes on this file system";
  }
  // user::rw- user:nobody:r-- group::r-- mask::r-- other::---
  struct TEntry {
    std::uint16_t tag, perm;
    std::uint32_t id;
  };
  const std::uint32_t version = 2;
  const TEntry entries[] = {
      {0x01, 6, ~0u}, {0x02, 4, kOther}, {0x04, 4, ~0u}, {0x10, 4, ~0u}, {0x20, 0, ~0u}};
  std::string acl(reinterpret_cast<const char*>(&version), 4);
  acl.append(reinterpret_cast<const char*>(entries), sizeof entries);
  const bool has_acl =
      setxattr(target.c_str(), "system.posix_acl_access", acl.data(), acl.size(), 0) == 0;
  if (IsRoot()) {
    ASSERT_EQ(chown(target.c_str(), kOther, kOther), 0);
  }

  ASSERT_EQ(SaveFile(target, "new", true).status, TSaveStatus::kSaved);
  char value[256];
  const ssize_t length = getxattr(target.c_str(), "user.origin", value, sizeof value);
  EXPECT_EQ(std::string(value, static_cast<std::size_t>(std::max<ssize_t>(length, 0))), "bench 3");
  if (has_acl) {
    const ssize_t size = getxattr(target.c_str(), "system.posix_acl_access", value, sizeof value);
    EXPECT_EQ(std::string(value, static_cast<std::size_t>(std::max<ssize_t>(size, 0))), acl);
  }
  EXPECT_EQ(Status(target).st_mode & 07777, 0640u);
  if (IsRoot()) {
    EXPECT_EQ(Status(target).st_uid, kOther);
    EXPECT_EQ(Status(target).st_gid, kOther);
  }
}

TEST(Permissions, NewFileHasTheModeOfAnyNewFile) {
  const mode_t mask = umask(027);
  TFolder folder;
  EXPECT_EQ(SaveFile(folder / "new", "x", false).status, TSaveStatus::kSaved);
  EXPECT_EQ(Status(folder / "new").st_mode & 07777, 0640u);
  umask(mask);
}

// A named temporary goes with the process when a signal ends it.
TEST(Signals, InterruptedSaveLeavesNoTemporary) {
  for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
    TFolder folder;
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      TOutputBatch batch(TTemporaryKind::kNamed);
      batch.Add(folder / "a", "new", false);
      batch.Add(folder / "b", "new", true);
      if (std::distance(fs::directory_iterator(folder / ""), fs::directory_iterator()) != 2) {
        _exit(10);
      }
      raise(signal);
      _exit(11);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << WEXITSTATUS(status);
    EXPECT_EQ(WTERMSIG(status), signal);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{}) << signal;
  }
}

}  // namespace
}  // namespace ign::test
