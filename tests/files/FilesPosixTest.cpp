// The file unit where POSIX systems give more to keep or to guard against:
// links, special files, modes, owners, ACLs and signals.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <map>
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
// followed, as the last name nor as a folder on the way, and a file of
// someone else's is not replaced, unless they belong to the folder's owner.
TEST(SharedFolders, WhatAnotherUserPlantsIsRefused) {
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
  // Replaced, it would keep its planter as owner, who could read root's file.
  Write(folder / "shared/theirs.ign", "theirs");
  ASSERT_EQ(chown((folder / "shared/theirs.ign").c_str(), kOther, kOther), 0);
  for (const char* target :
       {"shared/x.ign", "shared/out/secret", "shared/out/new", "shared/theirs.ign"}) {
    const TSaveResult result = SaveFile(folder / target, "evil", true);
    EXPECT_EQ(result.status, TSaveStatus::kOpenError) << target;
    EXPECT_EQ(result.reason, std::errc::permission_denied) << target;
  }
  EXPECT_EQ(Read(folder / "private/secret"), "secret");
  EXPECT_EQ(Read(folder / "shared/theirs.ign"), "theirs");
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

// An access ACL as the kernel stores it: user::rw-, then `named` users from
// nobody on with ---, group::r--, mask::r--, other::---.
std::string Acl(std::uint32_t named) {
  std::string acl;
  const auto add = [&](std::uint16_t tag, std::uint16_t perm, std::uint32_t id) {
    for (const std::uint32_t field : {std::uint32_t{tag} | std::uint32_t{perm} << 16, id}) {
      acl.append(reinterpret_cast<const char*>(&field), 4);
    }
  };
  const std::uint32_t version = 2;
  acl.append(reinterpret_cast<const char*>(&version), 4);
  add(0x01, 6, ~0u);
  for (std::uint32_t user = 0; user < named; ++user) add(0x02, 0, kOther + user);
  add(0x04, 4, ~0u);
  add(0x10, 4, ~0u);
  add(0x20, 0, ~0u);
  return acl;
}

// The ACL and user attributes of `name`, read with buffers of the size the
// system gives.
std::map<std::string, std::string> KeptAttributes(const std::string& name) {
  std::string names(
      static_cast<std::size_t>(std::max<ssize_t>(listxattr(name.c_str(), nullptr, 0), 0)), '\0');
  names.resize(static_cast<std::size_t>(
      std::max<ssize_t>(listxattr(name.c_str(), names.data(), names.size()), 0)));
  std::map<std::string, std::string> attributes;
  for (std::size_t at = 0; at < names.size(); at = names.find('\0', at) + 1) {
    const std::string key = names.c_str() + at;
    if (key.rfind("user.", 0) != 0 && key != "system.posix_acl_access") continue;
    std::string value(static_cast<std::size_t>(
                          std::max<ssize_t>(getxattr(name.c_str(), key.c_str(), nullptr, 0), 0)),
                      '\0');
    value.resize(static_cast<std::size_t>(
        std::max<ssize_t>(getxattr(name.c_str(), key.c_str(), value.data(), value.size()), 0)));
    attributes[key] = value;
  }
  return attributes;
}

TEST(Permissions, OwnerGroupAclAndUserAttributesKept) {
  struct TCase {
    fs::path base;
    std::uint32_t users;  // named in the ACL
    int attributes;       // user attributes of 95-byte names
    std::size_t first_value_size;
  };
  // Few and small, then more than any fixed buffer holds: 5,800 bytes of
  // names, an ACL of 1,100 entries and a value of 9,000 bytes, which take a
  // file system without ext4's one-block limit.
  const TCase cases[] = {{fs::temp_directory_path(), 1, 1, 7}, {"/dev/shm", 1100, 60, 9000}};
  for (const TCase& c : cases) {
    if (!fs::is_directory(c.base)) GTEST_SKIP() << c.base << " is missing";
    TFolder folder(c.base);
    const std::string target = folder / "t";
    Write(target, "old");
    chmod(target.c_str(), 0640);
    for (int i = 0; i < c.attributes; ++i) {
      const std::string name = "user." + std::string(90, 'n') + std::to_string(i);
      const std::string value(i == 0 ? c.first_value_size : 1, 'v');
      if (setxattr(target.c_str(), name.c_str(), value.data(), value.size(), 0) != 0) {
        GTEST_SKIP() << c.base << " holds no such user attributes";
      }
    }
    const std::string acl = Acl(c.users);
    // A file system may lack ACLs and still keep the attributes.
    setxattr(target.c_str(), "system.posix_acl_access", acl.data(), acl.size(), 0);
    if (IsRoot()) {
      ASSERT_EQ(chown(target.c_str(), kOther, kOther), 0);
    }
    const std::map<std::string, std::string> before = KeptAttributes(target);

    ASSERT_EQ(SaveFile(target, "new", true).status, TSaveStatus::kSaved) << c.base;
    EXPECT_TRUE(KeptAttributes(target) == before) << c.base;
    EXPECT_EQ(Status(target).st_mode & 07777, 0640u);
    if (IsRoot()) {
      EXPECT_EQ(Status(target).st_uid, kOther);
      EXPECT_EQ(Status(target).st_gid, kOther);
    }
  }
}

// A new file gets what any new file of its folder gets, the umask's mode or
// the folder's default ACL: the same as a file made with open(O_CREAT).
TEST(Permissions, NewFileGetsWhatItsFolderGives) {
  const mode_t mask = umask(022);
  for (TTemporaryKind kind : kKinds) {
    for (const bool default_acl : {false, true}) {
      TFolder folder;
      // user::rw- user:nobody:--- group::r-- mask::r-- other::---
      const std::string acl = Acl(1);
      if (default_acl && setxattr((folder / "").c_str(), "system.posix_acl_default", acl.data(),
                                  acl.size(), 0) != 0) {
        continue;  // no ACLs on this file system
      }
      ::close(::open((folder / "plain").c_str(), O_CREAT | O_WRONLY, 0666));
      ASSERT_EQ(Save(kind, folder / "new", "x", false).status, TSaveStatus::kSaved);
      EXPECT_EQ(Status(folder / "new").st_mode, Status(folder / "plain").st_mode) << default_acl;
      EXPECT_TRUE(KeptAttributes(folder / "new") == KeptAttributes(folder / "plain"));
    }
  }
  umask(mask);
}

// In a folder that takes new names but lets none go (chattr +a), a
// replacement is refused and nothing is left behind.
TEST(Permissions, AppendOnlyFolderKeepsNoTemporary) {
  if (!IsRoot()) GTEST_SKIP() << "needs root to make a folder append-only";
  for (TTemporaryKind kind : kKinds) {
    TFolder folder;
    Write(folder / "old", "old");
    const int descriptor = ::open((folder / "").c_str(), O_RDONLY | O_DIRECTORY);
    int flags = FS_APPEND_FL;
    if (ioctl(descriptor, FS_IOC_SETFLAGS, &flags) != 0) {
      ::close(descriptor);
      GTEST_SKIP() << "no append-only folders on this file system";
    }
    const TSaveResult replaced = Save(kind, folder / "old", "new", true);
    EXPECT_EQ(replaced.status, TSaveStatus::kOpenError);
    EXPECT_EQ(replaced.reason, std::errc::operation_not_permitted);
    EXPECT_EQ(Read(folder / "old"), "old");
    const TSaveResult made = Save(kind, folder / "new", "new", true);
    const std::vector<std::string> left = folder.Names();
    flags = 0;
    ioctl(descriptor, FS_IOC_SETFLAGS, &flags);
    ::close(descriptor);
    // A new file is linked in from a file without a name, where there is one.
    const std::vector<std::string> expected = made.status == TSaveStatus::kSaved
                                                  ? std::vector<std::string>{"new", "old"}
                                                  : std::vector<std::string>{"old"};
    EXPECT_EQ(left, expected);
  }
}

// Under a small descriptor limit a batch over many folders still saves
// every file, committing whenever it is full.
TEST(Permissions, BatchStaysWithinTheDescriptorLimit) {
  TFolder folder;
  constexpr int kFolders = 100;
  for (int i = 0; i < kFolders; ++i) fs::create_directory(folder / std::to_string(i));
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    const rlimit limit{32, 32};
    setrlimit(RLIMIT_NOFILE, &limit);
    TOutputBatch batch(TTemporaryKind::kNamed);
    int saved = 0;
    for (int i = 0; i < kFolders; ++i) {
      saved +=
          batch.Add(folder / (std::to_string(i) + "/f"), "x", false).status == TSaveStatus::kSaved;
      if (!batch.Full()) continue;
      for (const TSaveResult& result : batch.Commit())
        saved -= result.status != TSaveStatus::kSaved;
    }
    for (const TSaveResult& result : batch.Commit()) saved -= result.status != TSaveStatus::kSaved;
    _exit(saved == kFolders ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  for (int i = 0; i < kFolders; ++i) EXPECT_EQ(Read(folder / (std::to_string(i) + "/f")), "x");
}

// Runs `body` in a child process and returns its wait status.
template <class TBody>
int InChild(TBody body) {
  const pid_t child = fork();
  if (child == 0) {
    const rlimit no_core{0, 0};
    setrlimit(RLIMIT_CORE, &no_core);
    body();
    _exit(0);
  }
  int status = 0;
  waitpid(child, &status, 0);
  return status;
}

// A named temporary goes with the process when a signal ends it.
TEST(Signals, InterruptedSaveLeavesNoTemporary) {
  for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGXCPU, SIGALRM, SIGUSR1, SIGUSR2}) {
    TFolder folder;
    const int status = InChild([&] {
      TOutputBatch batch(TTemporaryKind::kNamed);
      batch.Add(folder / "a", "new", false);
      batch.Add(folder / "b", "new", true);
      if (std::distance(fs::directory_iterator(folder / ""), fs::directory_iterator()) != 2) {
        _exit(10);
      }
      raise(signal);
      _exit(11);
    });
    ASSERT_TRUE(WIFSIGNALED(status)) << WEXITSTATUS(status);
    EXPECT_EQ(WTERMSIG(status), signal);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{}) << signal;
  }
}

// A write beyond `ulimit -f` fails as a full disk would, rather than ending
// the process, and leaves nothing.
TEST(Signals, FileSizeLimitMakesAWriteError) {
  for (TTemporaryKind kind : kKinds) {
    TFolder folder;
    const int status = InChild([&] {
      const rlimit limit{100, 100};
      setrlimit(RLIMIT_FSIZE, &limit);
      const TSaveResult result = Save(kind, folder / "big", std::string(1000, 'x'), false);
      _exit(result.status == TSaveStatus::kWriteError && result.reason == std::errc::file_too_large
                ? 0
                : 1);
    });
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(folder.Names(), std::vector<std::string>{});
  }
}

}  // namespace
}  // namespace ign::test
