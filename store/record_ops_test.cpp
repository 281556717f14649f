// Record operations: the import step with its IDs, update, delete, and the questions the
// import asks.
#include <gtest/gtest.h>

#include "base/front_end_fake.h"
#include "store/database.h"
#include "store/store_testing.h"

namespace {

class RecordOpsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CreateIndex(db_, (folder_ / "pics.acx"));
    db_.id_counter = 1;
  }

  std::vector<int32_t> Matches(const std::string& query) {
    db_.RunQuery(query);
    EXPECT_TRUE(db_.status().ok()) << db_.status().message();
    std::vector<int32_t> records;
    for (const CPictureInfo& entry : db_.results) records.push_back(entry.record);
    return records;
  }

  int Word(const std::string& word) {
    Cdatabase::COpenFiles files(db_);
    const int found = db_.FindKey(word, 1);
    return found > 0 ? static_cast<int>(db_.ReadKeyNode(found)->count) : -1;
  }

  CTempDir folder_;
  Cdatabase db_;
};

using Records = std::vector<int32_t>;

TEST_F(RecordOpsTest, AutomaticIdsSkipTakenOnesAndGiveBackOnReimport) {
  db_.fields[0] = "000001";
  ASSERT_EQ(db_.AddCurrentAsNew(), 1);
  ASSERT_EQ(AddTestPicture(db_, "c:/photos/a.jpg"), AddResult::kDone);
  EXPECT_EQ(db_.fields[0], "000002");
  EXPECT_EQ(db_.id_counter, 3);
  EXPECT_EQ(db_.results.count(), 1);
  EXPECT_EQ(db_.results[0].record, 2);
  // The same file on another drive letter is the same file: imported before.
  EXPECT_EQ(AddTestPicture(db_, "D:/Photos/A.JPG"), AddResult::kImportedBefore);
  EXPECT_EQ(db_.id_counter, 3);
  EXPECT_EQ(db_.results.count(), 1);
  EXPECT_EQ(AddTestPicture(db_, "c:/photos/other/a.jpg"), AddResult::kDone);
  EXPECT_EQ(db_.fields[0], "000003");
}

TEST_F(RecordOpsTest, FormatAndFileNameIds) {
  db_.id_counter = 7;
  ASSERT_EQ(AddTestPicture(db_, "/p/x.jpg", kIdModeFormat, "img%4.4i"), AddResult::kDone);
  EXPECT_EQ(db_.fields[0], "IMG0007");
  EXPECT_EQ(db_.id_counter, 8);
  ASSERT_EQ(AddTestPicture(db_, "c:/photos/holiday.2001.jpg", kIdModeFileName), AddResult::kDone);
  EXPECT_EQ(db_.fields[0], "HOLIDAY.2001");
  ASSERT_EQ(AddTestPicture(db_, "/p/a_very_long_file_name_indeed.jpg", kIdModeFileName),
            AddResult::kDone);
  EXPECT_EQ(db_.fields[0], "A_VERY_LONG_FILE_NA");
  // The same name and path again changes nothing.
  EXPECT_EQ(AddTestPicture(db_, "/q/../p/x.jpg", kIdModeFileName), AddResult::kDone);
  EXPECT_EQ(db_.results.count(), 4);
}

TEST_F(RecordOpsTest, SameFileNameElsewhereAsksBeforeReplacing) {
  CScriptedFrontEnd front_end;
  db_.SetFrontEnd(&front_end);
  ASSERT_EQ(AddTestPicture(db_, "/old/x.jpg", kIdModeFileName), AddResult::kDone);
  front_end.AnswerNextQuestion(MsgAnswer::kNo);
  EXPECT_EQ(AddTestPicture(db_, "/new/x.jpg", kIdModeFileName), AddResult::kDuplicateId);
  ASSERT_EQ(front_end.Messages().size(), 1u);
  EXPECT_EQ(front_end.Messages()[0],
            "Image X is already stored in database,\nbut imagefile points to another "
            "directory.\n\nDo you want to replace?");
  front_end.AnswerNextQuestion(MsgAnswer::kYes);
  EXPECT_EQ(AddTestPicture(db_, "/new/x.jpg", kIdModeFileName), AddResult::kDone);
  db_.GoToRecord(1);
  EXPECT_EQ(db_.image_path, "/new/x.jpg");
  // The record moved to the new folder: known there, no longer in the old one.
  EXPECT_EQ(db_.ImportedBefore("/new/x.jpg", ""), 1);
  std::vector<std::string> old_folder;
  db_.ImportedInDirectory("/old/", "", old_folder);
  EXPECT_TRUE(old_folder.empty());
  EXPECT_EQ(AddTestPicture(db_, "/new/x.jpg"), AddResult::kImportedBefore);
}

TEST_F(RecordOpsTest, UpdateReindexesOnlyChangedFieldsByTheirCode) {
  ASSERT_EQ(AddTestPicture(db_, "/p/a.jpg", kIdModeAutomatic, "", "TO_BE_DESCRIBED"),
            AddResult::kDone);
  db_.GoToRecord(1);
  db_.fields[2] = "Rome";
  db_.fields[3] = "Colosseum in Rome\r\nat dusk";
  db_.fields[200] = "never stored";
  ASSERT_EQ(db_.UpdateCurrent(), UpdateResult::kDone);
  EXPECT_EQ(Matches("ROME"), Records{1});
  EXPECT_EQ(Word("ROME"), 2);
  EXPECT_EQ(Matches("rome"), Records{1});
  EXPECT_EQ(Matches("in"), Records{1});  // the word before the line break
  EXPECT_EQ(Word("NEVER"), -1);          // fields past 126 are not stored, so not indexed
  // Where changes to Oslo; the Description still says Rome.
  db_.GoToRecord(1);
  db_.fields[2] = "Oslo";
  ASSERT_EQ(db_.UpdateCurrent(), UpdateResult::kDone);
  EXPECT_EQ(Matches("ROME"), Records{1});
  EXPECT_EQ(Word("ROME"), 1);
  EXPECT_EQ(Matches("oslo"), Records{1});
  EXPECT_EQ(Matches("C:TO_BE_DESCRIBED"), Records{1});
  EXPECT_EQ(Matches(kAllRecordsQuery), Records{1});
  EXPECT_EQ(Word("ZZZWQWQ"), 1);
}

TEST_F(RecordOpsTest, ImportedBeforeFollowsDeletesMovesAndOtherWriters) {
  for (const char* name : {"a", "b", "c", "d"}) {
    ASSERT_EQ(AddTestPicture(db_, std::string("/f/") + name + ".jpg"), AddResult::kDone);
  }
  ASSERT_EQ(db_.ImportedBefore("/f/a.jpg", ""), 1);
  db_.GoToRecord(1);
  db_.DeleteCurrent();
  db_.GoToRecord(2);
  db_.image_path = "/f/e.jpg";
  ASSERT_EQ(db_.UpdateCurrent(), UpdateResult::kDone);
  Cdatabase other;  // another store object on the same index
  other.SetFileNames(db_.main_file());
  other.GoToRecord(3);
  other.image_path = "/g/c.jpg";
  ASSERT_EQ(other.UpdateCurrent(), UpdateResult::kDone);
  for (Cdatabase* db : {&db_, &other}) {
    EXPECT_EQ(db->ImportedBefore("/f/a.jpg", ""), 0);
    EXPECT_EQ(db->ImportedBefore("/f/b.jpg", ""), 0);
    EXPECT_EQ(db->ImportedBefore("/f/c.jpg", ""), 0);
    EXPECT_EQ(db->ImportedBefore("/f/d.jpg", ""), 1);
    EXPECT_EQ(db->ImportedBefore("/f/e.jpg", ""), 1);
    EXPECT_EQ(db->ImportedBefore("/G/C.JPG", ""), 1);
  }
  EXPECT_EQ(AddTestPicture(db_, "/f/a.jpg"), AddResult::kDone);
  EXPECT_EQ(AddTestPicture(db_, "/f/a.jpg"), AddResult::kImportedBefore);
}

TEST_F(RecordOpsTest, RenamedIdAndMovedPathAreFound) {
  ASSERT_EQ(AddTestPicture(db_, "/p/a.jpg"), AddResult::kDone);
  db_.GoToRecord(1);
  db_.fields[0] = "RENAMED";
  db_.image_path = "/q/a.jpg";
  ASSERT_EQ(db_.UpdateCurrent(), UpdateResult::kDone);
  EXPECT_EQ(db_.RecordOfId("000001"), 0);
  EXPECT_EQ(db_.RecordOfId("RENAMED"), 1);
  EXPECT_EQ(db_.ImportedBefore("/q/a.jpg", ""), 1);
  EXPECT_EQ(db_.ImportedBefore("/p/a.jpg", ""), 0);
  // The loaded ID is the old one until the record is read again.
  EXPECT_EQ(db_.UpdateCurrent(), UpdateResult::kIdMissing);
}

TEST_F(RecordOpsTest, AWordEqualToAPictureIdLeavesTheIdAlone) {
  ASSERT_EQ(AddTestPicture(db_, "/p/rome.jpg", kIdModeFileName), AddResult::kDone);
  ASSERT_EQ(AddTestPicture(db_, "/p/b.jpg"), AddResult::kDone);
  db_.GoToRecord(2);
  db_.fields[2] = "Rome";
  ASSERT_EQ(db_.UpdateCurrent(), UpdateResult::kDone);
  db_.GoToRecord(2);
  db_.fields[2] = "";
  ASSERT_EQ(db_.UpdateCurrent(), UpdateResult::kDone);
  EXPECT_EQ(db_.RecordOfId("ROME"), 1);
  EXPECT_EQ(Matches("rome"), Records{1});
  EXPECT_EQ(AddTestPicture(db_, "/q/rome.jpg", kIdModeFileName), AddResult::kDuplicateId);
}

TEST_F(RecordOpsTest, DeleteFreesTheRecordForTheNextAdd) {
  ASSERT_EQ(AddTestPicture(db_, "/p/a.jpg", kIdModeAutomatic, "", "SUN"), AddResult::kDone);
  ASSERT_EQ(AddTestPicture(db_, "/p/b.jpg", kIdModeAutomatic, "", "SUN"), AddResult::kDone);
  db_.GoToRecord(1);
  db_.DeleteCurrent();
  ASSERT_TRUE(db_.status().ok()) << db_.status().message();
  {
    Cdatabase::COpenFiles files(db_);
    ASSERT_TRUE(db_.ReadHeader());
    EXPECT_EQ(db_.header.record_free, 1);
    EXPECT_EQ(db_.ReadRecordEntry(1)->in_use, 0);
    EXPECT_EQ(db_.ReadRecordEntry(1)->next_free(), 3u);
  }
  EXPECT_EQ(Matches("C:SUN"), Records{2});
  EXPECT_EQ(Matches(kAllRecordsQuery), Records{2});
  EXPECT_EQ(db_.ImportedBefore("/p/a.jpg", ""), 0);
  EXPECT_EQ(db_.RecordOfId("000001"), 0);
  db_.id_counter = 1;  // the ID of the deleted picture is free again
  ASSERT_EQ(AddTestPicture(db_, "/p/c.jpg"), AddResult::kDone);
  EXPECT_EQ(db_.results.back().record, 1);
  EXPECT_EQ(db_.fields[0], "000001");
  EXPECT_EQ(db_.RecordOfId("000001"), 1);
}

TEST_F(RecordOpsTest, DeleteSelectedKeepsThePositionOnAnEntry) {
  for (const char* name : {"a", "b", "c", "d"}) {
    ASSERT_EQ(AddTestPicture(db_, std::string("/p/") + name + ".jpg"), AddResult::kDone);
  }
  ASSERT_EQ(db_.RunQuery(kAllRecordsQuery), 4);
  db_.results.SetPosition(1);
  db_.results[0].selected = 1;
  db_.results[2].selected = 1;
  EXPECT_TRUE(db_.results.AnySelected());
  db_.DeleteSelected();
  ASSERT_TRUE(db_.status().ok()) << db_.status().message();
  EXPECT_EQ(db_.results.count(), 2);
  EXPECT_EQ(db_.results.position(), 1);
  EXPECT_EQ(db_.fields[0], "000002");
  EXPECT_EQ(Matches(kAllRecordsQuery), (Records{2, 4}));
}

TEST_F(RecordOpsTest, ResultListMovesStopAtItsEnds) {
  for (const char* name : {"a", "b"})
    ASSERT_EQ(AddTestPicture(db_, std::string("/p/") + name), AddResult::kDone);
  ASSERT_EQ(db_.RunQuery(kAllRecordsQuery), 2);
  db_.PreviousEntry();
  EXPECT_EQ(db_.results.position(), 1);
  db_.NextEntry();
  EXPECT_EQ(db_.fields[0], "000002");
  db_.NextEntry();
  EXPECT_EQ(db_.results.position(), 2);
  db_.FirstEntry();
  EXPECT_EQ(db_.fields[0], "000001");
  db_.LastEntry();
  EXPECT_EQ(db_.fields[0], "000002");
}

TEST_F(RecordOpsTest, SetFieldOfIdAddsAndRemovesCategoryWords) {
  ASSERT_EQ(AddTestPicture(db_, "/p/a.jpg", kIdModeAutomatic, "", "Winter"), AddResult::kDone);
  EXPECT_EQ(db_.SetFieldOfId("000001", 4, "Summer", kSetFieldAddOrFillBlank), 1);
  db_.GoToRecord(1);
  EXPECT_EQ(db_.fields[4], "Winter SUMMER");
  EXPECT_EQ(db_.SetFieldOfId("000001", 4, "summer", kSetFieldAddOrFillBlank), 0);
  EXPECT_EQ(Matches("C:SUMMER"), Records{1});
  EXPECT_EQ(db_.SetFieldOfId("000001", 4, "sun,winter", kSetFieldRemoveOrReplace), 0);
  EXPECT_EQ(db_.SetFieldOfId("000001", 4, "summer", kSetFieldRemoveOrReplace), 1);
  EXPECT_EQ(Matches("C:SUMMER"), Records{});
  EXPECT_EQ(db_.SetFieldOfId("000001", 1, "1999", kSetFieldAddOrFillBlank), 1);
  EXPECT_EQ(db_.SetFieldOfId("000001", 1, "2000", kSetFieldAddOrFillBlank), 0);
  EXPECT_EQ(db_.SetFieldOfId("000001", 1, "2000", kSetFieldRemoveOrReplace), 1);
  EXPECT_EQ(Matches("1999"), Records{});
  EXPECT_EQ(Matches("2000"), Records{1});
  EXPECT_EQ(db_.SetFieldOfId("NOSUCH", 1, "x", kSetFieldRemoveOrReplace), 0);
}

TEST_F(RecordOpsTest, FindsRecordsByFileNameAndFolder) {
  ASSERT_EQ(AddTestPicture(db_, "c:/photos/trip/IMG_1.jpg"), AddResult::kDone);
  ASSERT_EQ(AddTestPicture(db_, "c:/photos/img_1.JPG"), AddResult::kDone);
  ASSERT_EQ(AddTestPicture(db_, "c:/photos/trip/b.jpg"), AddResult::kDone);
  std::vector<CFileNameItem> items(2);
  items[0].name = "img_1.jpg";
  items[1].name = "none.jpg";
  db_.FindByFileName(items);
  EXPECT_EQ(items[0].records[0], 1);
  EXPECT_EQ(items[0].records[1], 2);
  EXPECT_EQ(items[1].records[0], 0);
  std::vector<std::string> list;
  EXPECT_EQ(db_.FindByDirectory("C:\\Photos\\Trip", list), 2);
  EXPECT_EQ(list, (std::vector<std::string>{"000001", "000003"}));
  db_.ImportedInDirectory("C:\\Photos\\Trip\\", "", list);
  EXPECT_EQ(list, (std::vector<std::string>{":/photos/trip/img_1.jpg", ":/photos/trip/b.jpg"}));
}

TEST_F(RecordOpsTest, TraceLinesCarryTheTime) {
  db_.SetTrace(1, folder_.Path());
  ASSERT_EQ(AddTestPicture(db_, "/p/a.jpg"), AddResult::kDone);
  const std::string trace = CTempDir::Read(folder_ / "debug.txt").value_or("");
  const size_t at = trace.find(" -> Add to main\n");
  ASSERT_NE(at, std::string::npos) << trace;
  EXPECT_EQ(trace[at - 1], '\n');  // the time text ends with its line break
}

}  // namespace
