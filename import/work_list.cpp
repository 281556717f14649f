#include "import/work_list.h"

#include <algorithm>

#include "base/string_printf.h"
#include "base/text_rules.h"

std::string CWorkItem::Text() const { return StringPrintf("%4.4d", group) + path; }

std::vector<size_t> ImportOrder(const CWorkList& work_list) {
  std::vector<std::string> keys;
  keys.reserve(work_list.size());
  for (const CWorkItem& item : work_list) keys.push_back(LowerCase(item.path));
  std::vector<size_t> order(work_list.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
    if (work_list[a].group != work_list[b].group) return work_list[a].group < work_list[b].group;
    return keys[a] < keys[b];
  });
  return order;
}
