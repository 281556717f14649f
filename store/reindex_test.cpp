// Reindexing: the word index is built again from the record table and the text blocks alone.
#include <gtest/gtest.h>

#include <random>

#include "base/front_end_fake.h"
#include "platform/temp_dir_testing.h"
#include "store/maintenance_testing.h"
#include "store/store_check.h"
#include "store/store_testing.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Garbage(size_t size, unsigned seed) {
  std::mt19937 random(seed);
  Bytes bytes(size);
  for (uint8_t& byte : bytes) byte = static_cast<uint8_t>(random());
  return bytes;
}

struct CDamage {
  const char* name;
  // The new contents of B.kw1 and B.kw2, from their old size.
  Bytes (*key_tree)(size_t size);
  Bytes (*postings)(size_t size);
};

TEST(ReindexTest, RebuildsADamagedWordIndexFromTheRecordsAlone) {
  const CDamage damages[] = {
      {"overwritten", [](size_t size) { return Garbage(size, 1); },
       [](size_t size) { return Garbage(size, 2); }},
      {"cut short", [](size_t size) { return Garbage(size / 3, 3); },
       [](size_t) { return Bytes(); }},
  };
  for (const CDamage& damage : damages) {
    SCOPED_TRACE(damage.name);
    CTempDir dir;
    Cdatabase db;
    CreateIndex(db, dir / "pics.acx");
    AddDescribedPictures(db, 4, 15);
    db.GoToRecord(7);
    db.DeleteCurrent();
    db.GoToRecord(8);
    db.fields[kFieldId] = "RENAMED";
    ASSERT_EQ(db.UpdateCurrent(), UpdateResult::kDone);
    const auto answers = SearchAnswers(db);
    const auto ids = LiveIds(db);
    ASSERT_EQ(answers.at("99:ZZZWQWQ"), [&] {
      auto sorted = ids;
      std::sort(sorted.begin(), sorted.end());
      return sorted;
    }());
    ASSERT_TRUE(db.ReadHeader());
    const int32_t key_next = db.header.key_next;

    const Bytes key_tree = damage.key_tree(ReadFileBytes(dir / "pics.kw1").size());
    const Bytes postings = damage.postings(ReadFileBytes(dir / "pics.kw2").size());
    WriteFileBytes(dir / "pics.kw1", key_tree);
    WriteFileBytes(dir / "pics.kw2", postings);
    Cdatabase damaged;
    damaged.SetFileNames(dir / "pics.acx");
    CScriptedFrontEnd front_end;
    damaged.SetFrontEnd(&front_end);
    ASSERT_TRUE(damaged.ReindexStore()) << damaged.status().message();
    EXPECT_EQ(front_end.Calls().front(), "progress: Reindexing photos... 0..100");
    EXPECT_EQ(front_end.ProgressSteps(), 59);
    EXPECT_EQ(ReadFileBytes(dir / "pics.tmp1"), key_tree);
    EXPECT_EQ(ReadFileBytes(dir / "pics.tmp2"), postings);
    ASSERT_TRUE(damaged.ReadHeader());
    EXPECT_EQ(damaged.header.key_mark, key_next);

    EXPECT_EQ(LiveIds(damaged), ids);
    EXPECT_EQ(SearchAnswers(damaged), answers);
    const CCheckReport report = CheckStore(damaged);
    EXPECT_TRUE(report.sound()) << report.Text();
    // The first Description's word 000030 stays under the picture's ID, as before.
    EXPECT_EQ(answers.at("000030"), std::vector<std::string>{"000030"});
    damaged.SortAllPostings();
    ASSERT_TRUE(damaged.status().ok()) << damaged.status().message();
    EXPECT_EQ(SearchAnswers(damaged), answers);
    EXPECT_EQ(FoundIds(damaged, "c:family").size(), 29u);  // the odd records but 7

    // The index works on: a picture added now is found, and a second reindex keeps the
    // first copies of the damaged files.
    ASSERT_GT(AddTestRecord(damaged, "NEW", "/photos/new.jpg", {{kFieldWhere, "Bergen"}}), 0);
    EXPECT_EQ(FoundIds(damaged, "bergen"), std::vector<std::string>{"NEW"});
    ASSERT_TRUE(damaged.ReindexStore());
    EXPECT_EQ(ReadFileBytes(dir / "pics.tmp1"), key_tree);
    EXPECT_EQ(FoundIds(damaged, "bergen"), std::vector<std::string>{"NEW"});
  }
}

TEST(ReindexTest, SoundIndexKeepsItsAnswersAndKnowsItsFiles) {
  CTempDir dir;
  Cdatabase db;
  CreateIndex(db, dir / "pics.acx");
  AddDescribedPictures(db, 3, 20);
  const auto answers = SearchAnswers(db);
  ASSERT_EQ(db.ImportedBefore("/photos/trip1/IMG_3.JPG", ""), 1);
  ASSERT_TRUE(db.ReindexStore()) << db.status().message();
  EXPECT_EQ(SearchAnswers(db), answers);
  db.SortAllPostings();
  EXPECT_EQ(SearchAnswers(db), answers);
  // What the same store object had learnt about the folders still holds.
  EXPECT_EQ(AddTestPicture(db, "/photos/trip1/IMG_3.JPG"), AddResult::kImportedBefore);
  EXPECT_EQ(AddTestPicture(db, "/photos/trip1/IMG_99.JPG"), AddResult::kDone);
  EXPECT_EQ(AddTestPicture(db, "/photos/trip1/IMG_99.JPG"), AddResult::kImportedBefore);
}

}  // namespace
