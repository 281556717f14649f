#include "store/index_words.h"

#include <gtest/gtest.h>

#include "store/directory_key.h"

using Words = std::vector<std::string>;

TEST(IndexWordsTest, CutsTrimsAndKeepsEachWordOnce) {
  EXPECT_EQ(IndexWords("Rome, Italy (2001)"), (Words{"ROME", "ITALY", "2001"}));
  EXPECT_EQ(IndexWords("10:30 -x- a/b"), (Words{"10", "30", "X", "A", "B"}));
  EXPECT_EQ(IndexWords("A a A"), (Words{"A"}));
  EXPECT_EQ(IndexWords("+-+ --"), Words{});
  // A carriage return separates words like the line feed.
  EXPECT_EQ(IndexWords("Oslo\r\nBergen"), (Words{"OSLO", "BERGEN"}));
  EXPECT_EQ(IndexWords("blåbær;Øl"), (Words{"BLÅBÆR", "ØL"}));
}

TEST(IndexWordsTest, AtMostAThousandDistinctWords) {
  std::string text;
  for (int i = 0; i < 1200; ++i) text += "w" + std::to_string(i) + " w0 ";
  const Words words = IndexWords(text);
  ASSERT_EQ(words.size(), 1000u);
  EXPECT_EQ(words.back(), "W999");
}

TEST(IndexWordsTest, QueryPiecesKeepEmptyOnesOnce) {
  EXPECT_EQ(QueryPieces("rome  c:travel,rome", kQuerySeparators), (Words{"ROME", "", "C:TRAVEL"}));
  EXPECT_EQ(QueryPieces("a'b", kViewerQuerySeparators), (Words{"A'B"}));
}

TEST(DirectoryKeyTest, SumsTheFolderBytes) {
  EXPECT_EQ(DirectoryKey("c:/x/a.jpg"), "      349.20");
  EXPECT_EQ(DirectoryKey("c:/photos/a.jpg"), "     1379.92");
  EXPECT_EQ(DirectoryKey("c:/"), "      120.67");
  EXPECT_EQ(DirectoryKey("a.jpg"), "        0.00");
  EXPECT_EQ(DirectoryKey("c:\\x\\b.jpg"), DirectoryKey("c:/x/a.jpg"));
  // The first byte (the drive letter) does not count.
  EXPECT_EQ(DirectoryKey("d:/photos/b.jpg"), DirectoryKey("c:/photos/a.jpg"));
}
