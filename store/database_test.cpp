// The store files: creation, header, entries, text chains and the field text.
#include "store/database.h"

#include <gtest/gtest.h>

#include "base/coding.h"
#include "store/store_testing.h"

namespace {

class StoreFilesTest : public ::testing::Test {
 protected:
  void SetUp() override { CreateIndex(db_, Main()); }
  std::string Main() const { return (folder_ / "pics.acx"); }
  std::string File(const char* extension) const {
    return (folder_ / std::string("pics") + extension);
  }

  CTempDir folder_;
  Cdatabase db_;
};

TEST_F(StoreFilesTest, NewIndexHasItsExactFiles) {
  EXPECT_EQ(ReadFileBytes(Main()).size(), 3900u);
  EXPECT_EQ(ReadFileBytes(File(".kw2")).size(), 5500u);
  EXPECT_EQ(ReadFileBytes(File(".kw4")).size(), 5500u);
  const std::vector<uint8_t> tree = ReadFileBytes(File(".kw1"));
  std::vector<uint8_t> root(43, 0);
  std::copy_n("MMMMMM", 6, root.begin() + 3);
  EXPECT_EQ(tree, root);
  const std::vector<uint8_t> header = ReadFileBytes(File(".kw3"));
  ASSERT_EQ(header.size(), 40u);
  const uint32_t expected[10] = {14, 1, 100, 1, 100, 2, 100, 1, 100, 0};
  for (int i = 0; i < 10; ++i) EXPECT_EQ(GetUint32LE(header, 4 * i), expected[i]) << i;

  const std::vector<uint8_t> records = ReadFileBytes(Main());
  for (uint32_t n = 1; n <= 100; ++n) {
    const size_t at = (n - 1) * 39;
    EXPECT_EQ(records[at], 0);
    EXPECT_EQ(GetUint32BE(records, at + 1), n < 100 ? n + 1 : 0);
  }
  const std::vector<uint8_t> blocks = ReadFileBytes(File(".kw4"));
  EXPECT_EQ(GetUint32BE(blocks, 51), 2u);
  EXPECT_EQ(GetUint32BE(blocks, 99 * 55 + 51), 0u);
  EXPECT_EQ(db_.SetFileNames(Main()), "");
  EXPECT_EQ(db_.MissingFileFlags(Main()), 0);
}

TEST_F(StoreFilesTest, MissingFilesAreListed) {
  std::remove(File(".kw3").c_str());
  EXPECT_EQ(db_.SetFileNames(Main()), File(".kw3") + "\n");
  std::remove(Main().c_str());
  EXPECT_EQ(db_.MissingFileFlags(Main()), kMissingHeader | kMissingRecordTable);
}

TEST_F(StoreFilesTest, TextChainsCutAt49Bytes) {
  Cdatabase::COpenFiles files(db_);
  ASSERT_TRUE(db_.ReadHeader());
  const std::string text49(49, 'a');
  EXPECT_EQ(db_.WriteTextChain(text49), 1u);
  EXPECT_EQ(db_.header.text_free, 2);
  const std::string text50 = std::string(49, 'b') + "c";
  EXPECT_EQ(db_.WriteTextChain(text50), 2u);
  EXPECT_EQ(db_.header.text_free, 4);
  EXPECT_EQ(db_.ReadTextBlock(2)->next, 3u);
  EXPECT_EQ(db_.ReadTextBlock(3)->Text(), "c");
  EXPECT_EQ(db_.ReadTextBlock(3)->next, 0u);
  EXPECT_EQ(db_.ReadTextChain(2), text50);
  EXPECT_EQ(db_.WriteTextChain(""), 0u);

  // Released blocks go to the head of the free chain and keep their text.
  db_.ReleaseTextChain(2);
  EXPECT_EQ(db_.header.text_free, 2);
  EXPECT_EQ(db_.ReadTextBlock(3)->next, 4u);
  EXPECT_EQ(db_.ReadTextBlock(3)->in_use, 0);
  EXPECT_EQ(db_.ReadTextBlock(3)->Text(), "c");
  EXPECT_TRUE(db_.status().ok());
}

TEST_F(StoreFilesTest, LongTextGrowsTheFileBeforeRunningOffIt) {
  // 150 blocks: more than the 100 a new index has written.
  std::string text;
  for (int i = 0; i < 150 * 49; ++i) text += static_cast<char>('a' + i % 26);
  uint32_t start;
  {
    Cdatabase::COpenFiles files(db_);
    ASSERT_TRUE(db_.ReadHeader());
    start = db_.WriteTextChain(text);
    ASSERT_TRUE(db_.status().ok()) << db_.status().message();
    ASSERT_TRUE(db_.WriteHeader());
  }
  Cdatabase::COpenFiles files(db_);
  ASSERT_TRUE(db_.ReadHeader());
  EXPECT_EQ(db_.ReadTextChain(start), text);
  EXPECT_EQ(db_.header.text_free, 151);
  EXPECT_EQ(db_.header.text_mark, 200);
  EXPECT_EQ(ReadFileBytes(File(".kw4")).size(), 199u * 55);
}

TEST_F(StoreFilesTest, FieldTextIsOneChainAndOnlyStoredFieldsSurvive) {
  db_.fields[0] = "000001";
  db_.fields[1] = "2001";
  db_.fields[4] = "TRAVEL";
  db_.fields[127] = "not stored";
  Cdatabase::COpenFiles files(db_);
  ASSERT_TRUE(db_.ReadHeader());
  const uint32_t block = db_.StoreFieldText();
  EXPECT_EQ(db_.ReadTextBlock(block)->next, 0u);
  EXPECT_EQ(db_.ReadTextBlock(block)->Text().size(), 22u);
  db_.LoadFieldText(block);
  EXPECT_EQ(db_.fields[4], "TRAVEL");
  EXPECT_EQ(db_.fields[127], "");
}

TEST_F(StoreFilesTest, LegacyRecordShowsUserFieldsInTheirNewPlaceAndStoresThemThere) {
  db_.fields[0] = "OLD1";
  ASSERT_EQ(db_.AddCurrentAsNew(), 1);
  // Rewrite the record's field text in the legacy form with user values in fields 5 and 6.
  {
    Cdatabase::COpenFiles files(db_);
    ASSERT_TRUE(db_.ReadHeader());
    CRecordEntry entry = *db_.ReadRecordEntry(1);
    db_.ReleaseTextChain(entry.field_text);
    entry.field_text = db_.WriteTextChain("OLD1|||||u1|u2");
    ASSERT_TRUE(db_.WriteRecordEntry(1, entry));
    ASSERT_TRUE(db_.WriteHeader());
  }
  db_.GoToRecord(1);
  EXPECT_EQ(db_.fields[100], "u1");
  EXPECT_EQ(db_.fields[101], "u2");
  EXPECT_EQ(db_.fields[5], "");
  ASSERT_EQ(db_.UpdateCurrent(), UpdateResult::kDone);
  Cdatabase::COpenFiles files(db_);
  const CRecordEntry entry = *db_.ReadRecordEntry(1);
  EXPECT_EQ(db_.ReadTextChain(entry.field_text), std::string("\xFF\x01OLD1\xFF\x65u1\xFF\x66u2"));
}

}  // namespace
