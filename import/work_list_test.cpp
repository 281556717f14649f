#include "import/work_list.h"

#include <gtest/gtest.h>

#include <random>

#include "base/text_rules.h"

namespace {

// The order of taking, again and again, the smallest entry of the list lower-cased (ties: the
// earlier one), from the sentinel "zzzzz".
std::vector<size_t> SmallestFirst(const CWorkList& work_list) {
  std::vector<std::string> entries;
  for (const CWorkItem& item : work_list) entries.push_back(item.Text());
  std::vector<bool> taken(entries.size(), false);
  std::vector<size_t> order;
  for (size_t round = 0; round < entries.size(); ++round) {
    std::string smallest = "zzzzz";
    size_t chosen = entries.size();
    for (size_t i = 0; i < entries.size(); ++i) {
      if (taken[i]) continue;
      const std::string lower = LowerCase(entries[i]);
      if (chosen == entries.size() || lower < smallest) {
        smallest = lower;
        chosen = i;
      }
    }
    taken[chosen] = true;
    order.push_back(chosen);
  }
  return order;
}

TEST(WorkListTest, ImportOrderIsTheSmallestLowerCasedEntryFirst) {
  const CWorkList fixed = {{2, "/b/Z.jpg"}, {1, "/x/b.jpg"}, {2, "/b/a.jpg"},
                           {1, "/X/B.JPG"}, {1, "/x/b.jpg"}, {3, "/a/a.jpg"},
                           {1, "/x/Ä.jpg"}, {1, "/x/ä.jpg"}, {1, "/x/_.jpg"}};
  EXPECT_EQ(ImportOrder(fixed), SmallestFirst(fixed));
  EXPECT_EQ(ImportOrder(fixed), (std::vector<size_t>{8, 1, 3, 4, 6, 7, 2, 0, 5}));

  std::mt19937 random(7);
  const char* names[] = {"a", "A", "b", "B", "img_1", "IMG_1", "Ø", "ø", "z"};
  CWorkList shuffled;
  for (int i = 0; i < 400; ++i) {
    shuffled.push_back({1 + static_cast<int>(random() % 4),
                        std::string("/p/") + names[random() % 9] + "/" + names[random() % 9]});
  }
  EXPECT_EQ(ImportOrder(shuffled), SmallestFirst(shuffled));
}

TEST(WorkListTest, GroupsBeyondFourDigitsKeepTheirOrder) {
  const CWorkList work = {{10000, "/a.jpg"}, {9999, "/b.jpg"}};
  EXPECT_EQ(ImportOrder(work), (std::vector<size_t>{1, 0}));
  EXPECT_EQ(work[1].Text(), "9999/b.jpg");
}

}  // namespace
