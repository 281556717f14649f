#include "platform/file_copy.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <filesystem>

#include "platform/temp_dir_testing.h"

namespace {

mode_t ModeOf(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
}

size_t EntriesIn(const std::string& folder) {
  return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(folder),
                                           std::filesystem::directory_iterator()));
}

TEST(FileCopyTest, CopiesContentAndMode) {
  CTempDir dir;
  std::string from = dir.Write("do_not_delete.zzz", std::string(600000, 'v'));
  chmod(from.c_str(), 0751);
  std::string to = dir / "start.exe";
  ASSERT_TRUE(CopyFileKeepingMode(from, to, true));
  EXPECT_EQ(CTempDir::Read(to), CTempDir::Read(from));
  EXPECT_EQ(ModeOf(to), 0751u);
}

TEST(FileCopyTest, ExistingTargetIsReplacedOnlyWhenAllowed) {
  CTempDir dir;
  std::string from = dir.Write("new", "new");
  std::string to = dir.Write("old", "old");
  EXPECT_FALSE(CopyFileKeepingMode(from, to, true));
  EXPECT_EQ(CTempDir::Read(to), "old");
  EXPECT_TRUE(CopyFileKeepingMode(from, to, false));
  EXPECT_EQ(CTempDir::Read(to), "new");
  EXPECT_EQ(EntriesIn(dir.Path()), 2u);
}

TEST(FileCopyTest, FailedCopyLeavesNoHalfWrittenFile) {
  CTempDir dir;
  std::string from = dir.Write("big", std::string(100000, 'b'));
  std::string to = dir.Write("target", "old");
  EXPECT_FALSE(CopyFileKeepingMode(dir / "missing", dir / "copy", false));
  EXPECT_FALSE(CopyFileKeepingMode(from, dir / "no/such/folder/copy", false));

  // The disk fills up in the middle of the copy: writes beyond 4096 bytes fail.
  rlimit saved;
  getrlimit(RLIMIT_FSIZE, &saved);
  sighandler_t old_handler = signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 4096;
  setrlimit(RLIMIT_FSIZE, &small);
  bool copied = CopyFileKeepingMode(from, to, false);
  setrlimit(RLIMIT_FSIZE, &saved);
  signal(SIGXFSZ, old_handler);

  EXPECT_FALSE(copied);
  EXPECT_EQ(CTempDir::Read(to), "old");  // the earlier target is untouched
  EXPECT_EQ(EntriesIn(dir.Path()), 2u);  // and nothing half-written stays behind
}

}  // namespace
