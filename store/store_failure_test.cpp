// A damaged or failing store never crashes or hangs: the operation stops and says why,
// naming the file.
#include <gtest/gtest.h>

#include "base/coding.h"
#include "store/database.h"
#include "store/store_check.h"
#include "store/store_testing.h"

namespace {

class StoreFailureTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CreateIndex(db_, Main());
    db_.id_counter = 1;
    for (const char* name : {"a", "b", "c"}) {
      ASSERT_EQ(
          AddTestPicture(db_, std::string("/p/") + name + ".jpg", kIdModeAutomatic, "", "SUN"),
          AddResult::kDone);
    }
  }
  std::string Main() const { return (folder_ / "pics.acx"); }
  std::string File(const char* extension) const {
    return (folder_ / std::string("pics") + extension);
  }
  // Changes 4 big-endian bytes of a file.
  static void Patch(const std::string& file, size_t offset, uint32_t value) {
    std::vector<uint8_t> bytes = ReadFileBytes(file);
    ASSERT_TRUE(PutUint32BE(bytes, offset, value));
    WriteFileBytes(file, bytes);
  }

  CTempDir folder_;
  Cdatabase db_;
};

TEST_F(StoreFailureTest, AFullDiskChangesNothing) {
  // Adds on a disk with ever more room: each one either is done or fails, reported, and
  // leaves the index as it was.
  int done = 0;
  for (int64_t space = 0; space <= 20000 && done < 3; space += 250) {
    auto io = std::make_shared<CFailingStoreIo>();
    Cdatabase db;
    db.SetFileNames(Main());
    db.SetIo(io);
    db.id_counter = 10;
    db.fields[3] = std::string(6000, 'd');  // a long description: the text blocks grow
    io->space_left = space;
    db.quality = 2;
    const std::vector<uint8_t> before = ReadFileBytes(Main());
    const AddResult result = db.AddPicture("/q/new" + std::to_string(space) + ".jpg", 0, "");
    if (result == AddResult::kDone) {
      ++done;
    } else {
      ASSERT_EQ(result, AddResult::kFailed) << space;
      EXPECT_EQ(db.status().kind(), CStatus::Kind::kIoError);
      EXPECT_NE(db.status().message().find("could not be written: No space left on device"),
                std::string::npos)
          << db.status().message();
      EXPECT_EQ(io->writes_after_failure, 0);
      EXPECT_EQ(ReadFileBytes(Main()), before);
      EXPECT_EQ(db.results.count(), 0);
    }
    const CCheckReport report = CheckStore(db);
    ASSERT_TRUE(report.sound()) << space << "\n" << report.Text();
  }
  EXPECT_EQ(done, 3);
}

TEST_F(StoreFailureTest, AFailedUpdateKeepsTheRecord) {
  auto io = std::make_shared<CFailingStoreIo>();
  db_.SetIo(io);
  db_.GoToRecord(2);
  db_.fields[3] = std::string(3000, 'x');  // needs the text-block file to grow
  io->space_left = 0;
  EXPECT_EQ(db_.UpdateCurrent(), UpdateResult::kFailed);
  EXPECT_EQ(db_.status().kind(), CStatus::Kind::kIoError);
  io->space_left = -1;
  db_.GoToRecord(2);
  EXPECT_TRUE(db_.status().ok());
  EXPECT_EQ(db_.fields[3], "");
  EXPECT_TRUE(CheckStore(db_).sound());
  io->writes_left = 2;  // a failing device: reported
  db_.fields[3] = "x";
  EXPECT_EQ(db_.UpdateCurrent(), UpdateResult::kFailed);
  EXPECT_NE(db_.status().message().find("Input/output error"), std::string::npos);
}

TEST_F(StoreFailureTest, DamageFoundMidwayWritesNothing) {
  // The all-records marker's first block links to itself: the update finds it while
  // removing the record's marker posting, after it changed other words.
  Cdatabase::COpenFiles files(db_);
  const int all = db_.FindKey("ZZZWQWQ", 1);
  const uint32_t first = db_.ReadKeyNode(all)->first;
  CPostingBlock block = *db_.ReadPostingBlock(first);
  block.next = first;
  ASSERT_TRUE(db_.WritePostingBlock(first, block));
  ASSERT_TRUE(db_.Commit());
  const std::vector<uint8_t> before = ReadFileBytes(File(".kw2"));
  db_.GoToRecord(1);
  db_.fields[2] = "Rome";
  EXPECT_EQ(db_.UpdateCurrent(), UpdateResult::kFailed);
  EXPECT_EQ(db_.status().kind(), CStatus::Kind::kCorruption);
  EXPECT_EQ(ReadFileBytes(File(".kw2")), before);
  EXPECT_EQ(db_.RunQuery("rome"), 0);
}

TEST_F(StoreFailureTest, AnUnopenableRecordTableIsReported) {
  std::remove(Main().c_str());
  EXPECT_EQ(db_.GoToRecord(1), 1);
  EXPECT_EQ(db_.status().kind(), CStatus::Kind::kIoError);
  EXPECT_NE(db_.status().message().find(Main() + " cannot be opened"), std::string::npos);
  EXPECT_EQ(db_.RunQuery("sun"), 0);
  EXPECT_EQ(AddTestPicture(db_, "/p/d.jpg"), AddResult::kFailed);
}

TEST_F(StoreFailureTest, DamagedLinksAreReportedNotFollowed) {
  struct Case {
    const char* extension;
    size_t offset;
    uint32_t value;
  };
  // Record 1's field-text link past the file; a text block linking to itself; a key-tree
  // node linking to itself; a posting block linking to itself; free heads past the files.
  const Case cases[] = {
      {".acx", 1, 99999},   {".kw4", 51, 1}, {".kw1", 43 + 27, 2},
      {".kw1", 43 + 23, 2}, {".kw2", 51, 1}, {".acx", 0 * 39 + 6, 0x7FFFFFFF},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.extension) + " at " + std::to_string(c.offset));
    CTempDir folder;
    const std::vector<std::string> extensions = {".acx", ".kw1", ".kw2", ".kw3", ".kw4"};
    for (const std::string& e : extensions) {
      WriteFileBytes((folder / "d" + e), ReadFileBytes(File(e.c_str())));
    }
    Patch(folder / std::string("d") + c.extension, c.offset, c.value);

    Cdatabase db;
    db.SetFileNames((folder / "d.acx"));
    db.id_counter = 1;
    db.RunQuery(kAllRecordsQuery);
    for (int r = 1; r <= 4; ++r) db.GoToRecord(r);
    db.RunQuery("sun");
    AddTestPicture(db, "/p/e.jpg");
    db.GoToRecord(1);
    db.fields[2] = "Rome";
    (void)db.UpdateCurrent();  // each fails or not: the index must only stay damaged, not worse
    db.DeleteCurrent();
    db.DumpStore();
    EXPECT_FALSE(CheckStore(db).sound());
  }
}

TEST_F(StoreFailureTest, HeaderBeyondTheFilesIsRefused) {
  std::vector<uint8_t> header = ReadFileBytes(File(".kw3"));
  ASSERT_TRUE(PutUint32LE(header, 4, 5000));   // record free head
  ASSERT_TRUE(PutUint32LE(header, 20, 9000));  // key-tree next node
  WriteFileBytes(File(".kw3"), header);
  EXPECT_EQ(AddTestPicture(db_, "/p/z.jpg"), AddResult::kFailed);
  EXPECT_EQ(db_.status().kind(), CStatus::Kind::kCorruption);
  EXPECT_NE(db_.status().message().find("damaged"), std::string::npos);
  std::vector<uint8_t> shortened(header.begin(), header.begin() + 10);
  WriteFileBytes(File(".kw3"), shortened);
  EXPECT_EQ(AddTestPicture(db_, "/p/z.jpg"), AddResult::kFailed);
  EXPECT_NE(db_.status().message().find("shorter than 40 bytes"), std::string::npos);
}

TEST_F(StoreFailureTest, CheckFindsASoundIndexSound) {
  const CCheckReport report = CheckStore(db_);
  EXPECT_TRUE(report.sound()) << report.Text();
  EXPECT_EQ(report.pictures, 3);
  EXPECT_EQ(report.picture_ids, 3);
  EXPECT_TRUE(report.warnings.empty()) << report.Text();
  db_.GoToRecord(2);
  db_.DeleteCurrent();
  EXPECT_TRUE(CheckStore(db_).sound()) << CheckStore(db_).Text();
  // A posting of a record that is gone.
  Cdatabase::COpenFiles files(db_);
  const int sun = db_.FindKey("SUN", 1);
  const uint32_t block = db_.ReadKeyNode(sun)->first;
  CPostingBlock postings = *db_.ReadPostingBlock(block);
  postings.records[5] = 2;
  postings.codes[5] = 5;
  ASSERT_TRUE(db_.WritePostingBlock(block, postings));
  const CCheckReport damaged = CheckStore(db_);
  ASSERT_FALSE(damaged.sound());
  EXPECT_EQ(damaged.errors[0], "\"SUN\" has a posting for record 2, which is not live");
}

TEST_F(StoreFailureTest, AnotherWriterIsSeenByTheCache) {
  Cdatabase other;
  other.SetFileNames(Main());
  EXPECT_EQ(other.RunQuery("c:sun"), 3);
  db_.GoToRecord(3);
  db_.fields[2] = "Bergen";
  ASSERT_EQ(db_.UpdateCurrent(), UpdateResult::kDone);
  EXPECT_EQ(other.RunQuery("bergen"), 1);
  // Another program rewrites a text block in place (same size).
  std::vector<uint8_t> texts = ReadFileBytes(File(".kw4"));
  const std::string id_text =
      "\xFF\x01"
      "000001";
  const std::vector<uint8_t> old_id(id_text.begin(), id_text.end());
  auto at = std::search(texts.begin(), texts.end(), old_id.begin(), old_id.end());
  ASSERT_NE(at, texts.end());
  at[7] = '9';
  WriteFileBytes(File(".kw4"), texts);
  other.GoToRecord(1);
  EXPECT_EQ(other.fields[0], "000009");
}

}  // namespace
