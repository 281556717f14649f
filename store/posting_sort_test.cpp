// Sorting posting lists: order by picture ID, compaction, and the lists that stay as they are.
#include <gtest/gtest.h>

#include "base/front_end_fake.h"
#include "base/string_printf.h"
#include "platform/temp_dir_testing.h"
#include "store/maintenance_testing.h"
#include "store/store_testing.h"

namespace {

class PostingSortTest : public ::testing::Test {
 protected:
  void SetUp() override { CreateIndex(db_, dir_ / "pics.acx"); }

  uint32_t NodeOf(const std::string& key) {
    Cdatabase::COpenFiles files(db_);
    const int found = db_.FindKey(key, kRootNode);
    EXPECT_GT(found, 0) << key;
    return static_cast<uint32_t>(found);
  }
  CKeyNode Node(uint32_t n) {
    Cdatabase::COpenFiles files(db_);
    return *db_.ReadKeyNode(n);
  }
  void SetNode(uint32_t n, const CKeyNode& node) {
    Cdatabase::COpenFiles files(db_);
    ASSERT_TRUE(db_.WriteKeyNode(n, node));
  }
  // The record numbers of a word's list in order, holes left out, and its blocks.
  std::vector<uint32_t> Postings(uint32_t n, std::vector<uint32_t>* blocks = nullptr) {
    Cdatabase::COpenFiles files(db_);
    std::vector<uint32_t> records;
    for (uint32_t b = db_.ReadKeyNode(n)->first; b != 0;) {
      const CPostingBlock block = *db_.ReadPostingBlock(b);
      if (blocks) blocks->push_back(b);
      for (uint32_t record : block.records) {
        if (record != 0) records.push_back(record);
      }
      b = block.next;
    }
    return records;
  }
  void Delete(const std::string& id) {
    db_.GoToRecord(db_.RecordOfId(id));
    db_.DeleteCurrent();
    ASSERT_TRUE(db_.status().ok()) << db_.status().message();
  }

  CTempDir dir_;
  Cdatabase db_;
};

TEST_F(PostingSortTest, OrdersByPictureIdKeepsEqualKeysInTheirOrderAndDropsHoles) {
  // Records 1 to 24 get the IDs R24 down to R01; records 25 and 26 two IDs whose sort keys
  // are equal (the key holds only their first 17 characters).
  for (int i = 24; i >= 1; --i) {
    ASSERT_GT(AddTestRecord(db_, StringPrintf("R%2.2d", i), "/p/a.jpg", {{2, "Rome"}}), 0);
  }
  ASSERT_EQ(AddTestRecord(db_, "ABCDEFGHIJKLMNOPQ2", "/p/a.jpg", {{2, "Rome"}}), 25);
  ASSERT_EQ(AddTestRecord(db_, "ABCDEFGHIJKLMNOPQ1", "/p/a.jpg", {{2, "Rome"}}), 26);
  for (int i = 2; i <= 14; i += 2) Delete(StringPrintf("R%2.2d", i));
  const uint32_t rome = NodeOf("ROME");
  std::vector<uint32_t> blocks;
  ASSERT_EQ(Postings(rome, &blocks).size(), 19u);
  ASSERT_EQ(blocks.size(), 3u);
  {
    Cdatabase::COpenFiles files(db_);
    EXPECT_EQ(db_.CountPostings(blocks[0]), 30);
    EXPECT_EQ(db_.CountPostings(blocks[1]), 20);
  }
  // A count that cannot be right is not believed: the list is counted instead.
  CKeyNode node = Node(rome);
  EXPECT_EQ(node.count, 19u);
  node.count = 0xFFFFFFFF;
  SetNode(rome, node);

  EXPECT_EQ(db_.SortPostings(rome, 10000), 1);
  std::vector<uint32_t> kept_blocks;
  EXPECT_EQ(Postings(rome, &kept_blocks), (std::vector<uint32_t>{25, 26, 24, 22, 20, 18, 16, 14, 12,
                                                                 10, 9, 8, 7, 6, 5, 4, 3, 2, 1}));
  EXPECT_EQ(kept_blocks, (std::vector<uint32_t>{blocks[0], blocks[1]}));
  node = Node(rome);
  EXPECT_EQ(node.count, 19u);
  EXPECT_EQ(node.last, blocks[1]);
  EXPECT_EQ(node.unsorted, 0);
  {
    Cdatabase::COpenFiles files(db_);
    const CPostingBlock first = *db_.ReadPostingBlock(blocks[0]);
    EXPECT_EQ(first.codes[0], 3);  // Where's field code came along
    EXPECT_EQ(first.codes[9], 3);
  }
  // A posting added afterwards goes into the list's new last block.
  ASSERT_GT(AddTestRecord(db_, "R99", "/p/a.jpg", {{2, "Rome"}}), 0);
  EXPECT_EQ(Postings(rome).size(), 20u);
  EXPECT_EQ(Node(rome).unsorted, 1);
}

TEST_F(PostingSortTest, ListsThatAreNotToBeSortedStayAsTheyAre) {
  ASSERT_GT(AddTestRecord(db_, "P1", "/p/1.jpg", {{2, "Solo Trio"}}), 0);
  ASSERT_GT(AddTestRecord(db_, "P2", "/p/2.jpg", {{2, "Trio"}}), 0);
  ASSERT_GT(AddTestRecord(db_, "P3", "/p/3.jpg", {{2, "Trio"}}), 0);
  ASSERT_GT(AddTestRecord(db_, "P4", "/p/4.jpg", {{2, "Quartet"}}), 0);
  ASSERT_GT(AddTestRecord(db_, "P5", "/p/5.jpg", {{2, "Quartet"}}), 0);
  const uint32_t removed_id = NodeOf("P4");
  Delete("P4");
  const uint32_t quartet = NodeOf("QUARTET");
  EXPECT_EQ(db_.SortPostings(quartet, 10000), 0);  // one posting left
  const uint32_t trio = NodeOf("TRIO");
  // A stale copy of a word beyond the tree's last node, as a rebuild leaves them.
  ASSERT_TRUE(db_.ReadHeader());
  const uint32_t beyond = static_cast<uint32_t>(db_.header.key_next);
  SetNode(beyond, Node(trio));

  const auto key_tree = ReadFileBytes(dir_ / "pics.kw1");
  const auto postings = ReadFileBytes(dir_ / "pics.kw2");
  const std::pair<uint32_t, int64_t> cases[] = {
      {NodeOf("P1"), 10000},  // a picture ID
      {removed_id, 10000},    // a removed picture ID
      {quartet, 10000},       // one posting
      {trio, 2},              // three postings over the limit
      {beyond, 10000},        // outside the tree
      {0, 10000},
  };
  for (const auto& [n, limit] : cases) {
    EXPECT_EQ(db_.SortPostings(n, limit), 0) << n;
  }
  EXPECT_EQ(ReadFileBytes(dir_ / "pics.kw1"), key_tree);
  EXPECT_EQ(ReadFileBytes(dir_ / "pics.kw2"), postings);
  EXPECT_EQ(db_.SortPostings(trio, 3), 1);
  EXPECT_EQ(db_.SortPostings(trio, 3), 0);  // sorted already
}

TEST_F(PostingSortTest, SortCommandVisitsEveryNodeUntilAborted) {
  for (int i = 3; i >= 1; --i) {
    ASSERT_GT(AddTestRecord(db_, "S" + std::to_string(i), "/p/a.jpg", {{2, "Rome Oslo"}}), 0);
  }
  CScriptedFrontEnd front_end;
  db_.SetFrontEnd(&front_end);
  ASSERT_TRUE(db_.ReadHeader());
  const int last = db_.header.key_next;
  // ROME, OSLO, the all-records marker and the folder's key.
  EXPECT_EQ(db_.SortAllPostings(), 4);
  EXPECT_EQ(front_end.ProgressTitles(), std::vector<std::string>{"Sorting photo index..."});
  EXPECT_EQ(front_end.Calls().front(),
            "progress: Sorting photo index... 0.." + std::to_string(last));
  EXPECT_EQ(front_end.ProgressSteps(), last);
  EXPECT_FALSE(front_end.ProgressOpen());
  EXPECT_EQ(FoundIds(db_, "rome"), (std::vector<std::string>{"S1", "S2", "S3"}));

  ASSERT_GT(AddTestRecord(db_, "S0", "/p/a.jpg", {{2, "Rome Oslo"}}), 0);
  front_end.ClearRecord();
  front_end.AbortProgressAt(2);
  EXPECT_EQ(db_.SortAllPostings(), 0);
  EXPECT_EQ(front_end.ProgressSteps(), 2);
}

}  // namespace
