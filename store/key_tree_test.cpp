// The key tree: insertion under the sentinel root, removal, listing and the balanced rebuild.
#include <gtest/gtest.h>

#include <functional>

#include "base/string_printf.h"
#include "store/database.h"
#include "store/store_testing.h"

namespace {

class KeyTreeTest : public ::testing::Test {
 protected:
  void SetUp() override { CreateIndex(db_, (folder_ / "pics.acx")); }

  CKeyNode Node(uint32_t n) {
    Cdatabase::COpenFiles files(db_);
    return *db_.ReadKeyNode(n);
  }
  void Post(const std::string& word) {
    Cdatabase::COpenFiles files(db_);
    ASSERT_TRUE(db_.ReadHeader());
    db_.AddPosting(word, 3);
    ASSERT_TRUE(db_.WriteHeader());
  }

  CTempDir folder_;
  Cdatabase db_;
};

TEST_F(KeyTreeTest, WordsHangUnderTheSentinelRoot) {
  Post("ROME");
  Post("MILAN");
  EXPECT_EQ(Node(1).right, 2u);
  EXPECT_EQ(Node(2).Key(), "ROME");
  EXPECT_EQ(Node(1).left, 3u);
  EXPECT_EQ(Node(3).Key(), "MILAN");
  EXPECT_EQ(Node(2).first, 1u);  // the first posting block of the new index
  EXPECT_EQ(Node(3).first, 2u);
  EXPECT_EQ(Node(1).in_use, 0);
  Cdatabase::COpenFiles files(db_);
  ASSERT_TRUE(db_.ReadHeader());
  EXPECT_EQ(db_.header.key_next, 4);
  EXPECT_EQ(db_.header.posting_free, 3);
  const int before = db_.visit_count();
  EXPECT_EQ(db_.FindKey("MILAN", 1), 3);
  EXPECT_EQ(db_.visit_count() - before, 2);  // nodes 1 and 3
  EXPECT_EQ(db_.FindKey("LIMA", 1), -3);
  Post("ALPHA");
  EXPECT_EQ(Node(3).left, 4u);
}

TEST_F(KeyTreeTest, PostingBlocksFillAndChain) {
  for (int i = 1; i <= 11; ++i) {
    db_.fields[0] = "R" + std::to_string(i);
    db_.fields[2] = "Rome";
    ASSERT_EQ(db_.AddCurrentAsNew(), i);
  }
  Cdatabase::COpenFiles files(db_);
  const int found = db_.FindKey("ROME", 1);
  ASSERT_GT(found, 0);
  const CKeyNode rome = *db_.ReadKeyNode(found);
  EXPECT_EQ(rome.count, 11u);
  EXPECT_EQ(db_.ReadPostingBlock(rome.first)->next, rome.last);
  const CPostingBlock second = *db_.ReadPostingBlock(rome.last);
  EXPECT_EQ(second.records[0], 11u);
  EXPECT_EQ(second.codes[0], 3);
  EXPECT_EQ(second.records[1], 0u);
}

TEST_F(KeyTreeTest, RebuildBalancesAndKeepsEveryKey) {
  struct Case {
    std::vector<std::string> ids;
    std::string root;
  };
  for (const Case& c : std::vector<Case>{{{"000001"}, "000001"},
                                         {{"000001", "000002"}, "000001"},
                                         {{"000001", "000002", "000003"}, "000002"}}) {
    CTempDir folder;
    Cdatabase db;
    CreateIndex(db, (folder / "t.acx"));
    for (const std::string& id : c.ids) {
      db.fields[0] = id;
      ASSERT_GT(db.AddCurrentAsNew(), 0);
    }
    Cdatabase::COpenFiles files(db);
    ASSERT_TRUE(db.ReadHeader());
    db.RebuildKeyTree();
    ASSERT_TRUE(db.status().ok());
    EXPECT_EQ(db.ReadKeyNode(1)->Key(), c.root);
    EXPECT_EQ(db.ReadKeyNode(1)->in_use, 1);
    std::vector<std::string> keys;
    db.ListKeys("", "\xFF", false, 1, keys);
    std::vector<std::string> expected = {"        0.00"};  // the directory key of no path
    expected.insert(expected.end(), c.ids.begin(), c.ids.end());
    expected.push_back("ZZZWQWQ");
    EXPECT_EQ(keys, expected);
    const int all = db.FindKey("ZZZWQWQ", 1);
    ASSERT_GT(all, 0);
    EXPECT_EQ(db.ReadKeyNode(all)->count, c.ids.size());
  }
}

TEST_F(KeyTreeTest, RebuildLaysOutTheTreeAsInsertingTheMediansWould) {
  for (int i = 0; i < 37; ++i) {
    db_.fields = {};
    db_.fields[0] = StringPrintf("K%03d", (i * 17) % 37);
    db_.fields[2] = i % 3 ? "Oslo" : "Bergen";
    ASSERT_GT(db_.AddCurrentAsNew(), 0);
  }
  std::vector<CKeyNode> live;
  {
    Cdatabase::COpenFiles files(db_);
    ASSERT_TRUE(db_.ReadHeader());
    std::vector<std::string> keys;
    db_.ListKeys("", "\xFF", false, 1, keys);
    for (const std::string& key : keys) live.push_back(*db_.ReadKeyNode(db_.FindKey(key, 1)));
    db_.RebuildKeyTree();
    ASSERT_TRUE(db_.WriteHeader());
  }
  // The same keys inserted one by one into another index, medians first.
  CTempDir folder;
  Cdatabase reference;
  CreateIndex(reference, folder / "ref.acx");
  {
    Cdatabase::COpenFiles files(reference);
    ASSERT_TRUE(reference.ReadHeader());
    const size_t m = (live.size() + 1) / 2;
    CKeyNode root = live[m - 1];
    root.left = root.right = 0;
    ASSERT_TRUE(reference.WriteKeyNode(1, root));
    std::function<void(size_t, size_t)> insert = [&](size_t a, size_t b) {
      if (a > b) return;
      const size_t c = (a + b) / 2;
      const CKeyNode& node = live[c - 1];
      reference.InsertKey(node.Key(), node.kind, node.first, node.last, node.count, node.unsorted);
      insert(a, c - 1);
      insert(c + 1, b);
    };
    insert(1, m - 1);
    insert(m + 1, live.size());
  }
  std::vector<uint8_t> rebuilt = ReadFileBytes(folder_ / "pics.kw1");
  rebuilt.resize(live.size() * kKeyNodeSize);
  EXPECT_EQ(rebuilt, ReadFileBytes(folder / "ref.kw1"));
  EXPECT_EQ(db_.header.key_next, static_cast<int32_t>(live.size() + 1));
}

TEST_F(KeyTreeTest, SixtySequentialPicturesTriggerARebuild) {
  db_.id_counter = 1;
  for (int i = 1; i <= 60; ++i)
    ASSERT_EQ(AddTestPicture(db_, "/p/" + std::to_string(i) + ".jpg"), AddResult::kDone);
  Cdatabase::COpenFiles files(db_);
  ASSERT_TRUE(db_.ReadHeader());
  // Without a rebuild the chain right of the root would be 60 deep.
  EXPECT_EQ(db_.ReadKeyNode(1)->in_use, 1);
  for (int i = 1; i <= 60; ++i) {
    const int before = db_.visit_count();
    ASSERT_GT(db_.FindKey(StringPrintf("%6.6d", i), 1), 0);
    EXPECT_LE(db_.visit_count() - before, 20);
  }
}

TEST_F(KeyTreeTest, RebuildOfOnlyRemovedKeysLeavesTheSentinel) {
  Cdatabase::COpenFiles files(db_);
  ASSERT_TRUE(db_.ReadHeader());
  db_.InsertKey("GONE", kKindPictureId, 5, 5, 1, 1);
  db_.RemovePosting("GONE", 5, 1);
  EXPECT_EQ(db_.ReadKeyNode(2)->in_use, 0);
  db_.RebuildKeyTree();
  EXPECT_EQ(db_.header.key_next, 2);
  EXPECT_EQ(db_.ReadKeyNode(1)->Key(), "MMMMMM");
  EXPECT_EQ(db_.ReadKeyNode(1)->in_use, 0);
}

TEST_F(KeyTreeTest, ListPrefixListsWordsAndIdsInOrder) {
  for (const char* id : {"IMG2", "IMG1", "DSC1"}) {
    db_.fields[0] = id;
    db_.fields[3] = "imgur image";
    ASSERT_GT(db_.AddCurrentAsNew(), 0);
  }
  std::vector<std::string> keys;
  db_.ListPrefix("IMG*", keys);
  EXPECT_EQ(keys, (std::vector<std::string>{"IMG1", "IMG2", "IMGUR"}));
  keys.clear();
  db_.ListPrefix("", keys);
  EXPECT_EQ(keys, (std::vector<std::string>{"DSC1", "IMG1", "IMG2"}));
}

}  // namespace
