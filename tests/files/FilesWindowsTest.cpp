// The file unit where Windows differs: read-only files and files that another
// program holds open are not replaced, and nothing of the attempt is left.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "files/Output.h"
#include "files/Utf8Path.h"
#include "tests/files/TestFiles.h"

namespace ign::test {
namespace {

DWORD Attributes(const std::string& name) { return GetFileAttributesW(PathFromUtf8(name).c_str()); }

TEST(Windows, ReadOnlyTargetIsKept) {
  for (TTemporaryKind kind : kKinds) {
    TFolder folder;
    Write(folder / "t", "old");
    ASSERT_TRUE(SetFileAttributesW(PathFromUtf8(folder / "t").c_str(), FILE_ATTRIBUTE_READONLY));
    const TSaveResult result = Save(kind, folder / "t", "new", true);
    EXPECT_EQ(result.status, TSaveStatus::kOpenError);
    EXPECT_EQ(result.reason, std::error_code());
    EXPECT_EQ(Read(folder / "t"), "old");
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"t"});
    SetFileAttributesW(PathFromUtf8(folder / "t").c_str(), FILE_ATTRIBUTE_NORMAL);
  }
}

// As most programs open files: without sharing deletion.
TEST(Windows, TargetHeldOpenIsKept) {
  TFolder folder;
  Write(folder / "t", "old");
  const HANDLE held =
      CreateFileW(PathFromUtf8(folder / "t").c_str(), GENERIC_READ,
                  FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  const TSaveResult result = SaveFile(folder / "t", "new", true);
  CloseHandle(held);
  EXPECT_EQ(result.status, TSaveStatus::kWriteError);
  EXPECT_EQ(result.reason, std::errc::permission_denied);
  EXPECT_EQ(Read(folder / "t"), "old");
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"t"});
}

TEST(Windows, ReplacementKeepsHiddenAndSystemAttributes) {
  TFolder folder;
  Write(folder / "t", "old");
  const DWORD kept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
  ASSERT_TRUE(SetFileAttributesW(PathFromUtf8(folder / "t").c_str(), kept));
  ASSERT_EQ(SaveFile(folder / "t", "new", true).status, TSaveStatus::kSaved);
  EXPECT_EQ(Read(folder / "t"), "new");
  EXPECT_EQ(Attributes(folder / "t") & kept, kept);
  EXPECT_EQ(Attributes(folder / "t") & FILE_ATTRIBUTE_READONLY, 0u);
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"t"});
}

}  // namespace
}  // namespace ign::test
