// The file unit on every system: what a save leaves after a race or a
// failure, which targets it refuses, and which inputs it opens.
#include <gtest/gtest.h>

#include <string>
#include <system_error>
#include <vector>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "files/Input.h"
#include "files/Output.h"
#include "tests/files/TestFiles.h"

namespace ign::test {
namespace {

#ifdef _WIN32
constexpr const char* kDevice = "NUL";
#else
constexpr const char* kDevice = "/dev/zero";
#endif

// Found before anything is written, and nothing is left behind.
TEST(Targets, FoldersMissingFoldersAndOverlongNamesAreOpenErrors) {
  for (TTemporaryKind kind : kKinds) {
    TFolder folder;
    fs::create_directory(PathFromUtf8(folder / "dir"));
    const std::pair<std::string, std::errc> cases[] = {
        {folder / "dir", std::errc::is_a_directory},
        {folder / "missing/x", std::errc::no_such_file_or_directory},
        {folder / std::string(256, 'n'), std::errc::filename_too_long},
    };
    for (const auto& [target, reason] : cases) {
      const TSaveResult result = Save(kind, target, "x", true);
      EXPECT_EQ(result.status, TSaveStatus::kOpenError) << target;
      EXPECT_EQ(result.reason, reason) << target;
    }
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"dir"});
  }
}

// A file that appears between Add and Commit is kept when not to be replaced.
TEST(Races, NoClobberIsAtomic) {
  for (TTemporaryKind kind : kKinds) {
    TFolder folder;
    TOutputBatch batch(kind);
    ASSERT_EQ(batch.Add(folder / "t", "mine", false).status, TSaveStatus::kSaved);
    Write(folder / "t", "theirs");
    EXPECT_EQ(batch.Commit().front().status, TSaveStatus::kExists);
    EXPECT_EQ(Read(folder / "t"), "theirs");
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"t"});
  }
}

TEST(Races, UncommittedBatchLeavesTargetsAsTheyWere) {
  for (TTemporaryKind kind : kKinds) {
    TFolder folder;
    Write(folder / "a", "old");
    {
      TOutputBatch batch(kind);
      for (const char* name : {"a", "b"}) batch.Add(folder / name, "new", true);
    }
    EXPECT_EQ(Read(folder / "a"), "old");
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"a"});
  }
}

TEST(Input, OnlyRegularFilesAndOpenStandardInput) {
  TFolder folder;
  Write(folder / "f", "text");
  struct TCase {
    std::string name;
    bool opens;
    std::error_code reason;
  };
  std::vector<TCase> cases = {
      {folder / "f", true, {}},
      {folder / "missing", false, std::make_error_code(std::errc::no_such_file_or_directory)},
      {folder / "", false, std::make_error_code(std::errc::is_a_directory)},
      {kDevice, false, {}},
  };
#ifndef _WIN32
  ASSERT_EQ(mkfifo((folder / "fifo").c_str(), 0644), 0);
  cases.push_back({folder / "fifo", false, {}});  // refused at once, without waiting for a writer
#endif
  for (const TCase& c : cases) {
    TInputFile file;
    std::error_code reason;
    EXPECT_EQ(file.Open(c.name, reason), c.opens) << c.name;
    EXPECT_EQ(reason, c.reason) << c.name;
  }
  TInputFile file;
  std::error_code reason;
  ASSERT_TRUE(file.Open(folder / "f", reason));
  std::string text;
  std::getline(file.Stream(), text);
  EXPECT_EQ(text, "text");
  EXPECT_FALSE(file.Failed(reason));
}

}  // namespace
}  // namespace ign::test
