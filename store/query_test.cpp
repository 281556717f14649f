// Queries over a small index: plain, AND and filtered words, wildcards, searchable fields.
#include <gtest/gtest.h>

#include "store/database.h"
#include "store/store_testing.h"

namespace {

class QueryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CreateIndex(db_, (folder_ / "pics.acx"));
    Add("P1", "Rome", "", "TRAVEL");
    Add("P2", "Rome, Italy", "", "");
    Add("P3", "Milan", "travel diary", "ITALY");
    Add("IMG7", "", "", "");
  }

  void Add(const std::string& id, const std::string& where, const std::string& description,
           const std::string& category) {
    db_.fields = {};
    db_.fields[0] = id;
    db_.fields[2] = where;
    db_.fields[3] = description;
    db_.fields[4] = category;
    db_.image_path = "/photos/" + id + ".jpg";
    ASSERT_GT(db_.AddCurrentAsNew(), 0) << db_.status().message();
  }

  std::vector<std::string> Query(const std::string& query) {
    const int n = db_.RunQuery(query);
    EXPECT_TRUE(db_.status().ok()) << db_.status().message();
    std::vector<std::string> ids;
    for (const CPictureInfo& entry : db_.results) {
      Cdatabase::COpenFiles files(db_);
      ids.push_back(db_.GoToRecord(entry.record) ? db_.fields[0] : "");
    }
    EXPECT_EQ(n, static_cast<int>(ids.size()));
    if (n > 0) db_.GoToRecord(db_.results[0].record);
    return ids;
  }

  CTempDir folder_;
  Cdatabase db_;
};

using Ids = std::vector<std::string>;

TEST_F(QueryTest, WordsAddAndPlusWordsFilter) {
  EXPECT_EQ(Query("rome"), (Ids{"P1", "P2"}));
  EXPECT_EQ(Query("+ROME ITALY"), (Ids{"P1", "P2"}));  // the leading "+" goes
  EXPECT_EQ(Query("ITALY +ROME"), (Ids{"P2"}));
  EXPECT_EQ(Query("italy + rome"), (Ids{"P2"}));
  EXPECT_EQ(Query("milan, +paris"), Ids{});
  EXPECT_EQ(Query("nowhere"), Ids{});
  EXPECT_EQ(db_.results.position(), 0);
}

TEST_F(QueryTest, TheFirstMatchBecomesTheCurrentRecord) {
  db_.fields = {};
  ASSERT_EQ(db_.RunQuery("milan"), 1);
  EXPECT_EQ(db_.results.position(), 1);
  EXPECT_EQ(db_.fields[0], "P3");
  EXPECT_EQ(db_.image_path, "/photos/P3.jpg");
}

TEST_F(QueryTest, CategoryAndAllRecordsFilters) {
  EXPECT_EQ(Query("C:TRAVEL"), (Ids{"P1"}));
  EXPECT_EQ(Query("travel"), (Ids{"P3"}));
  EXPECT_EQ(Query(kAllRecordsQuery), (Ids{"IMG7", "P1", "P2", "P3"}));
  EXPECT_EQ(Query("P3"), (Ids{"P3"}));  // a picture ID
}

TEST_F(QueryTest, WildcardsExpandToWordsAndIds) {
  EXPECT_EQ(Query("IMG*"), (Ids{"IMG7"}));
  EXPECT_EQ(Query("mi*"), (Ids{"P3"}));
  EXPECT_EQ(Query(""), (Ids{"IMG7", "P1", "P2", "P3"}));
  EXPECT_EQ(Query("*"), (Ids{"IMG7", "P1", "P2", "P3"}));
  EXPECT_EQ(db_.results.position(), 1);
  EXPECT_EQ(db_.fields[0], "IMG7");
}

TEST_F(QueryTest, SearchableUserFieldsMatchPlainWords) {
  db_.fields = {};
  db_.fields[0] = "U1";
  db_.fields[100] = "lighthouse";
  ASSERT_GT(db_.AddCurrentAsNew(), 0);
  EXPECT_EQ(Query("lighthouse"), Ids{});
  db_.SetSearchableField(100, true);
  EXPECT_EQ(Query("lighthouse"), (Ids{"U1"}));
}

TEST_F(QueryTest, ViewerSplitsAtItsOwnSeparators) {
  Add("Q'S", "Oslo", "", "");
  EXPECT_EQ(Query("q's"), Ids{});
  db_.SetQuerySeparators(" ,/.();");
  EXPECT_EQ(Query("q's"), (Ids{"Q'S"}));
}

}  // namespace
