#include "store/result_list.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

CResultList ListOf(const std::vector<int32_t>& records, int32_t position) {
  CResultList list;
  for (int32_t record : records) list.Append(record);
  list.SetPosition(position);
  return list;
}

std::vector<int32_t> Records(const CResultList& list) {
  std::vector<int32_t> records;
  for (const CPictureInfo& entry : list) records.push_back(entry.record);
  return records;
}

TEST(ResultListTest, ThePositionStaysInsideTheListWhateverChangesIt) {
  struct Case {
    const char* change;
    int32_t position;  // before the change
    std::function<void(CResultList&)> make;
    std::vector<int32_t> records;
    int32_t expected_position;
  };
  auto is_40 = [](const CPictureInfo& entry) { return entry.record == 40; };
  // Each change is made to the list of the records 10, 20, 30, 40.
  const Case cases[] = {
      {"set past the end", 2, [](CResultList& l) { l.SetPosition(9); }, {10, 20, 30, 40}, 4},
      {"set below 0", 2, [](CResultList& l) { l.SetPosition(-1); }, {10, 20, 30, 40}, 0},
      {"erase before", 2, [](CResultList& l) { l.Erase(0); }, {20, 30, 40}, 2},
      {"erase the last", 4, [](CResultList& l) { l.Erase(3); }, {10, 20, 30}, 3},
      {"truncate", 3, [](CResultList& l) { l.Truncate(1); }, {10}, 1},
      {"truncate longer", 3, [](CResultList& l) { l.Truncate(9); }, {10, 20, 30, 40}, 3},
      {"erase every one", 3, [](CResultList& l) { l.EraseIf([](auto&) { return true; }); }, {}, 0},
      {"erase the last by test", 4, [&](CResultList& l) { l.EraseIf(is_40); }, {10, 20, 30}, 3},
      {"clear", 3, [](CResultList& l) { l.Clear(); }, {}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.change);
    CResultList list = ListOf({10, 20, 30, 40}, c.position);
    c.make(list);
    EXPECT_EQ(Records(list), c.records);
    EXPECT_EQ(list.count(), static_cast<int32_t>(c.records.size()));
    EXPECT_EQ(list.position(), c.expected_position);
  }
}

TEST(ResultListTest, EntriesKeepTheirMarksAndEqualOnesTheirOrderWhenSorted) {
  CResultList list = ListOf({3, 1, 2, 1}, 2);
  list[0].selected = 1;
  EXPECT_TRUE(list.AnySelected());
  EXPECT_EQ(list.CurrentRecord(), 1);
  list[1].texts[0] = "first one";
  list.StableSort([](const CPictureInfo& a, const CPictureInfo& b) { return a.record < b.record; });
  EXPECT_EQ(Records(list), (std::vector<int32_t>{1, 1, 2, 3}));
  EXPECT_EQ(list[0].texts[0], "first one");
  EXPECT_EQ(list[3].selected, 1);
  EXPECT_EQ(list.position(), 2);  // the number stays: it names the entry there now
  list.Append(7, 1);
  EXPECT_EQ(list.back().record, 7);
  EXPECT_EQ(list.position(), 2);
  EXPECT_FALSE(ListOf({}, 0).AnySelected());
  EXPECT_EQ(ListOf({5}, 0).CurrentRecord(), 0);
}

}  // namespace
