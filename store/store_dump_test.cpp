#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "base/coding.h"
#include "store/database.h"
#include "store/store_testing.h"

namespace {

// Runs the dump in the test's folder; its text.
std::string Dump(Cdatabase& db, const CTempDir& folder) {
  const std::filesystem::path here = std::filesystem::current_path();
  std::filesystem::current_path(folder.Path());
  db.DumpStore();
  std::filesystem::current_path(here);
  return CTempDir::Read(folder / "db_dump.txt").value_or("");
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
    lines.push_back(text.substr(start, end - start));
  }
  return lines;
}

TEST(StoreDumpTest, NewIndex) {
  CTempDir folder;
  Cdatabase db;
  CreateIndex(db, folder / "pics.acx");
  const std::vector<std::string> lines = Lines(Dump(db, folder));
  ASSERT_EQ(lines.size(), 8u + 1 + 99 + 1 + 99 + 1 + 99);
  EXPECT_EQ(lines[0], "f2free=1");
  EXPECT_EQ(lines[1], "f2antall=100");
  EXPECT_EQ(lines[4], "f4free=2");
  EXPECT_EQ(lines[7], "f5antall=100");
  EXPECT_EQ(lines[8], "------ FILE5 --------------------");  // no key-tree line
  EXPECT_EQ(lines[9], "1> 0:0 0:0 0:0 0:0 0:0 0:0 0:0 0:0 0:0 0:0 -> 2");
  EXPECT_EQ(lines[107], "99> 0:0 0:0 0:0 0:0 0:0 0:0 0:0 0:0 0:0 0:0 -> 100");
  EXPECT_EQ(lines[108], "------ FILE2 --------------------");
  EXPECT_EQ(lines[109], "1> 0 2 0 0 0:0                     ");
  EXPECT_EQ(lines[208], "--------- FILE3 ------------------");
  EXPECT_EQ(lines[209], "1> 2  ");
}

TEST(StoreDumpTest, RecordsKeysAndCacheFiles) {
  CTempDir folder;
  Cdatabase db;
  CreateIndex(db, folder / "pics.acx");
  db.fields[0] = "000001";
  db.fields[4] = "TRAVEL";
  db.image_path = "c:/x/a.jpg";
  db.sort_text = "sorted";
  ASSERT_EQ(db.AddCurrentAsNew(), 1);
  std::vector<uint8_t> cache(8 + 2000 * 9, 0);
  PutUint32LE(cache, 0, 2);
  PutUint32LE(cache, 4, 2000);
  cache[8] = 1;
  PutUint32BE(cache, 9, 18008);
  PutUint32BE(cache, 13, 1068);
  WriteFileBytes(folder / "pics.C01", cache);
  const std::string dump = Dump(db, folder);
  EXPECT_NE(dump.find("2> 1 1 3 0 " + std::string(14, ' ') + "000001  -->  1 1 1 1\n"),
            std::string::npos)
      << dump;
  EXPECT_NE(dump.find("\n1> 1 1 2 0 0:0 sorted              \n"), std::string::npos) << dump;
  EXPECT_NE(dump.find("\n1> 0  \xFF\x01"
                      "000001\xFF\x05TRAVEL\n"),
            std::string::npos);
  EXPECT_NE(dump.find("\n2> 0  c:/x/a.jpg\n"), std::string::npos);
  EXPECT_NE(dump.find("\n\n----------- FILE9 (1) --------\n1> 1 18008 1068\n"), std::string::npos);
}

}  // namespace
