// The conversion against what only a POSIX system offers: pipes, devices,
// links, permissions, a file-size limit, and open descriptors to count.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <string>
#include <vector>

#include "tests/ui/core/Session.h"

namespace ign::test {
namespace {

using TNames = std::vector<std::string>;

std::size_t OpenDescriptors() {
  return std::size_t(std::distance(fs::directory_iterator("/proc/self/fd"), {}));
}

struct stat Status(const std::string& name) {
  struct stat status = {};
  lstat(name.c_str(), &status);
  return status;
}

TEST(ConversionPosix, InputsThatCannotBeOpened) {
  std::vector<std::string> kinds = {"fifo", "dangling"};
  if (geteuid() != 0) kinds.push_back("unreadable");
  for (const std::string& kind : kinds) {
    TSession session;
    session.ConvertKart();
    const std::string input = session.Path("input-" + kind + ".ign");
    if (kind == "fifo") {
      ASSERT_EQ(mkfifo(input.c_str(), 0600), 0);
    }
    if (kind == "dangling") fs::create_symlink(session.Path("nowhere.ign"), input);
    if (kind == "unreadable") {
      Write(input, Example("kart-100.ign"));
      ASSERT_EQ(chmod(input.c_str(), 0200), 0);
    }
    session.form.Open(input, session.Path("never.ign"));
    EXPECT_EQ(session.form.messages, TNames{"Open file error!"}) << kind;
    EXPECT_EQ(Parameters(session.form.ParameterSet), Parameters(session.expected_set)) << kind;
    EXPECT_EQ(session.form.label_file2, session.Path("first.ign")) << kind;
  }
}

// A node, a folder the user may not write, or a link planted by another
// user is never replaced nor written through: "Open file error!", and the
// node stays as it was.
TEST(ConversionPosix, TargetsRefused) {
  std::vector<std::string> kinds = {"fifo"};
  if (geteuid() != 0) kinds.push_back("read-only folder");
  if (geteuid() == 0) kinds.insert(kinds.end(), {"device", "planted link"});
  for (const std::string& kind : kinds) {
    TSession session;
    Write(session.Path("in.ign"), Example("kart-100.ign"));
    std::string output = session.Path("node.ign");
    if (kind == "fifo") {
      ASSERT_EQ(mkfifo(output.c_str(), 0644), 0);
    }
    if (kind == "device") {
      ASSERT_EQ(mknod(output.c_str(), S_IFCHR | 0666, makedev(1, 3)), 0);
    }
    if (kind == "read-only folder") {
      fs::create_directory(session.Path("locked"));
      ASSERT_EQ(chmod(session.Path("locked").c_str(), 0500), 0);
      output = session.Path("locked/out.ign");
    }
    if (kind == "planted link") {
      Write(session.Path("secret"), "secret");
      fs::create_directory(session.Path("shared"));
      ASSERT_EQ(chmod(session.Path("shared").c_str(), 01777), 0);
      output = session.Path("shared/x.ign");
      fs::create_symlink(session.Path("secret"), output);
      ASSERT_EQ(lchown(output.c_str(), 65534, 65534), 0);
    }
    const struct stat before = Status(output);

    session.form.Open(session.Path("in.ign"), output);

    EXPECT_EQ(session.form.messages, TNames{"Open file error!"}) << kind;
    EXPECT_EQ(session.form.label_file5, kNoFileYet) << kind;
    EXPECT_EQ(Status(output).st_mode, before.st_mode) << kind;
    EXPECT_EQ(Status(output).st_ino, before.st_ino) << kind;
    if (kind == "planted link") {
      EXPECT_EQ(Read(session.Path("secret")), "secret");
    }
    chmod(session.Path("locked").c_str(), 0700);
  }
}

// A new file gets the mode any new file gets; a replaced one keeps its own.
TEST(ConversionPosix, PermissionsOfNewAndReplacedFiles) {
  TSession session;
  Write(session.Path("in.ign"), Example("kart-100.ign"));
  Write(session.Path("plain.ign"), "x");
  Write(session.Path("kept.ign"), "old");
  ASSERT_EQ(chmod(session.Path("kept.ign").c_str(), 0444), 0);
  session.form.Open(session.Path("in.ign"), session.Path("new.ign"));
  session.form.Open(session.Path("in.ign"), session.Path("kept.ign"));
  EXPECT_TRUE(session.form.messages.empty());
  EXPECT_EQ(Status(session.Path("new.ign")).st_mode, Status(session.Path("plain.ign")).st_mode);
  EXPECT_EQ(Status(session.Path("kept.ign")).st_mode & 07777, 0444u);
  EXPECT_EQ(Read(session.Path("kept.ign")).size(), kIgn2006Size);
}

// The save proposed by the dialog replaces the input itself: a write that
// fails must leave that version-2005 file whole. The file-size limit makes
// every write past 4 KiB fail, as a full disk would.
TEST(ConversionPosix, FailingWriteKeepsTheEarlierFile) {
  TSession session;
  const std::string input = session.Path("precious.ign");
  Write(input, Example("kart-100.ign"));
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{4096, 4096};
    setrlimit(RLIMIT_FSIZE, &limit);
    session.form.Open(input, input);
    int failures = 0;
    if (session.form.messages != TNames{session.form.MsgWriteFileError}) failures |= 1;
    if (session.form.label_file5 != kNoFileYet) failures |= 2;
    if (session.form.label_file2 != input) failures |= 4;
    _exit(failures);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(Read(input), Example("kart-100.ign"));
  EXPECT_EQ(session.folder.Names(), TNames{"precious.ign"});
}

// Every path through Open closes what it opened.
TEST(ConversionPosix, NoFileStaysOpen) {
  TSession session;
  Write(session.Path("in.ign"), Example("kart-100.ign"));
  Write(session.Path("v2006.ign"), "ZANTROVA_KEY 51");
  const std::size_t descriptors = OpenDescriptors();
  const std::pair<std::string, std::optional<std::string>> paths[] = {
      {session.Path("in.ign"), session.Path("out.ign")},
      {session.Path("in.ign"), std::nullopt},
      {session.Path("in.ign"), session.Path("missing/out.ign")},
      {session.Path("v2006.ign"), std::nullopt},
      {session.Path("missing.ign"), std::nullopt},
  };
  for (const auto& [open, save] : paths) {
    session.form.Open(open, save);
    EXPECT_EQ(OpenDescriptors(), descriptors) << open;
  }
}

}  // namespace
}  // namespace ign::test
