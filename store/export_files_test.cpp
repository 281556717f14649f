// The text exports beside an index: thinning out the closing backups, the newest export, and
// the format upgrade that reads it.
#include <gtest/gtest.h>

#include <filesystem>

#include "base/string_printf.h"
#include "platform/temp_dir_testing.h"
#include "store/maintenance_testing.h"
#include "store/store_testing.h"

namespace {

class ExportFilesTest : public ::testing::Test {
 protected:
  std::vector<std::string> Files() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir_.Path())) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  CTempDir dir_;
};

TEST_F(ExportFilesTest, BackupsBeyondTheNumberToKeepGoOneAtATimeOldestFirst) {
  const std::string main_file = dir_ / "pics.acx";
  for (int day = 1; day <= 12; ++day) {
    dir_.Write(StringPrintf("pics_202401%2.2d.exp", 13 - day), "XX\r\n");
  }
  // Not backups of pics.acx: another index's, and files that only look alike.
  for (const char* other : {"pics_2019_20230101.exp", "pics_20230101.txt", "pic_20230101.exp"}) {
    dir_.Write(other, "");
  }
  EXPECT_FALSE(Cdatabase::RemoveOldExports(main_file, 12));
  EXPECT_TRUE(Cdatabase::RemoveOldExports(main_file, 10));
  EXPECT_FALSE(std::filesystem::exists(dir_ / "pics_20240101.exp"));
  EXPECT_TRUE(std::filesystem::exists(dir_ / "pics_20240102.exp"));
  EXPECT_TRUE(Cdatabase::RemoveOldExports(main_file, 10));  // the next close
  EXPECT_FALSE(std::filesystem::exists(dir_ / "pics_20240102.exp"));
  EXPECT_FALSE(Cdatabase::RemoveOldExports(main_file, 10));
  EXPECT_EQ(Files().size(), 13u);
  EXPECT_TRUE(std::filesystem::exists(dir_ / "pics_2019_20230101.exp"));

  EXPECT_EQ(Cdatabase::NewestExport(main_file), dir_ / "pics_20240112.exp");
  EXPECT_EQ(Cdatabase::NewestExport(dir_ / "none.acx"), "");
}

TEST_F(ExportFilesTest, UpgradeReadsTheNewestExportIntoNewFiles) {
  Cdatabase db;
  CreateIndex(db, dir_ / "pics.acx");
  AddDescribedPictures(db, 2, 5);
  db.RunQuery(kAllRecordsQuery);
  ASSERT_EQ(db.ExportText(dir_ / "pics_20240301.exp", {}), 10);
  dir_.Write("pics_20240201.exp", "000:OLDER\r\nXX\r\n");
  const auto answers = SearchAnswers(db);
  dir_.Write("pics.acxold", "left by an earlier upgrade");
  // An index of the format before this one.
  auto header = ReadFileBytes(dir_ / "pics.kw3");
  header[0] = 13;
  WriteFileBytes(dir_ / "pics.kw3", header);
  const auto old_records = ReadFileBytes(dir_ / "pics.acx");

  Cdatabase upgraded;
  upgraded.SetFileNames(dir_ / "pics.acx");
  ASSERT_TRUE(upgraded.UpgradeStore()) << upgraded.status().message();
  ASSERT_TRUE(upgraded.ReadHeader());
  EXPECT_EQ(upgraded.header.version, 14);
  EXPECT_EQ(ReadFileBytes(dir_ / "pics.acxold"), old_records);
  EXPECT_EQ(ReadFileBytes(dir_ / "pics.kw3old"), header);
  for (const char* name : {"pics.kw1old", "pics.kw2old", "pics.kw4old"}) {
    EXPECT_TRUE(std::filesystem::exists(dir_ / name)) << name;
  }
  EXPECT_EQ(SearchAnswers(upgraded), answers);
  EXPECT_EQ(upgraded.RecordOfId("OLDER"), 0);
}

TEST_F(ExportFilesTest, UpgradeWithoutExportLeavesAnEmptyIndex) {
  Cdatabase db;
  CreateIndex(db, dir_ / "pics.acx");
  AddDescribedPictures(db, 1, 3);
  ASSERT_TRUE(db.UpgradeStore()) << db.status().message();
  EXPECT_TRUE(LiveIds(db).empty());
  EXPECT_EQ(FoundIds(db, kAllRecordsQuery).size(), 0u);
  Cdatabase fresh;
  CreateIndex(fresh, dir_ / "fresh.acx");
  for (const char* extension : {".acx", ".kw1", ".kw2", ".kw3", ".kw4"}) {
    EXPECT_EQ(ReadFileBytes(dir_ / (std::string("pics") + extension)),
              ReadFileBytes(dir_ / (std::string("fresh") + extension)))
        << extension;
  }
  ASSERT_GT(AddTestRecord(db, "A", "/p/a.jpg", {{kFieldWhere, "Oslo"}}), 0);
  EXPECT_EQ(FoundIds(db, "oslo"), std::vector<std::string>{"A"});
}

TEST_F(ExportFilesTest, UpgradeThatCannotWriteNewFilesPutsTheOldOnesBack) {
  Cdatabase db;
  CreateIndex(db, dir_ / "pics.acx");
  AddDescribedPictures(db, 1, 3);
  const auto answers = SearchAnswers(db);
  const auto records = ReadFileBytes(dir_ / "pics.acx");
  auto io = std::make_shared<CFailingStoreIo>();
  io->writes_left = 0;
  db.SetIo(io);
  EXPECT_FALSE(db.UpgradeStore());
  EXPECT_FALSE(db.status().ok());
  EXPECT_EQ(ReadFileBytes(dir_ / "pics.acx"), records);
  EXPECT_FALSE(std::filesystem::exists(dir_ / "pics.acxold"));
  db.SetIo(PosixStoreIo());
  EXPECT_EQ(SearchAnswers(db), answers);
}

}  // namespace
