// Sorting a word's posting list: the postings are gathered along the list, ordered by the
// start of their record's field text (which begins with the picture ID) and written back into
// the list's first blocks; the holes left by removals go, and the blocks no longer needed are
// cut off the list (they stay outside the free chain until the next reindex).
#include <algorithm>
#include <cstring>

#include "base/string_printf.h"
#include "base/string_table.h"
#include "store/database.h"
#include "store/store_progress.h"

namespace {

// A word's count outside 0 to this is not believed: the list is counted instead.
constexpr int64_t kMostBelievedCount = 1000000;
// A link from this number on ends a posting list.
constexpr uint32_t kFirstEndingLink = 100000000;
// The sort key: the first text block of the record's field text up to its first '|', at
// most this many bytes (the width of a key less its NUL).
constexpr size_t kSortKeyLength = 19;
constexpr char kSortKeyEnd = '|';

struct CSortItem {
  std::array<uint8_t, kSortKeyLength> key{};
  uint8_t key_length = 0;
  uint8_t code = 0;
  uint32_t record = 0;
};

bool KeyLess(const CSortItem& a, const CSortItem& b) {
  const int c = std::memcmp(a.key.data(), b.key.data(), std::min(a.key_length, b.key_length));
  return c != 0 ? c < 0 : a.key_length < b.key_length;
}

}  // namespace

int64_t Cdatabase::CountPostings(uint32_t first) {
  const uint32_t limit = EntryCount(posting_file_, kPostingBlockSize);
  int64_t count = 0;
  uint32_t steps = 0;
  for (uint32_t n = first; n > 0 && n < kFirstEndingLink; ++steps) {
    if (steps >= limit) {
      Damaged(posting_file_, "a posting list runs in a circle");
      break;
    }
    std::optional<CPostingBlock> block = ReadPostingBlock(n);
    if (!block) break;
    count += kPostingsPerBlock;
    n = block->next;
  }
  return count;
}

int Cdatabase::SortPostings(uint32_t node_number, int64_t limit) {
  COpenFiles files(*this);
  if (!files.ok() || !ReadHeader()) return 0;
  // Nodes from the next-node number on are left over from before the last rebuild: a stale
  // copy of a word would rewrite a list that now belongs to its live node.
  if (node_number == 0 || node_number >= static_cast<uint32_t>(std::max(header.key_next, 0))) {
    return 0;
  }
  std::optional<CKeyNode> node = ReadKeyNode(node_number);
  if (!node || !node->in_use || node->kind != kKindWord || !node->unsorted) return 0;
  int64_t count = static_cast<int32_t>(node->count);
  if (count < 0 || count > kMostBelievedCount) count = CountPostings(node->first);
  if (!status_.ok() || count > limit || count <= 1) return 0;

  // Gather every posting of the list, whatever the count says.
  std::vector<CSortItem> items;
  items.reserve(static_cast<size_t>(count));
  std::vector<uint32_t> blocks;
  const uint32_t block_limit = EntryCount(posting_file_, kPostingBlockSize);
  for (uint32_t n = node->first; n > 0 && n < kFirstEndingLink;) {
    if (blocks.size() >= block_limit) {
      Damaged(posting_file_, "a posting list runs in a circle");
      return 0;
    }
    std::optional<CPostingBlock> block = ReadPostingBlock(n);
    if (!block) return 0;
    blocks.push_back(n);
    for (int i = 0; i < kPostingsPerBlock; ++i) {
      if (block->records[i] == 0) continue;
      CSortItem item;
      item.record = block->records[i];
      item.code = block->codes[i];
      std::optional<CRecordEntry> entry = ReadRecordEntry(item.record);
      if (!entry) return 0;
      // A free entry's link is no text: its key stays empty.
      if (entry->in_use && entry->field_text != 0) {
        std::optional<CTextBlock> text = ReadTextBlock(entry->field_text);
        if (!text) return 0;
        // The key is the piece up to its NUL or the first '|', at most kSortKeyLength bytes.
        size_t length = 0;
        while (length < kSortKeyLength && length < text->text.size() &&
               text->text[length] != '\0' && text->text[length] != kSortKeyEnd) {
          item.key[length] = static_cast<uint8_t>(text->text[length]);
          ++length;
        }
        item.key_length = static_cast<uint8_t>(length);
      }
      items.push_back(item);
    }
    n = block->next;
  }
  if (blocks.empty()) return 0;

  // Postings with equal keys keep the order in which they were gathered.
  std::stable_sort(items.begin(), items.end(), KeyLess);

  const size_t used =
      std::max<size_t>(1, (items.size() + kPostingsPerBlock - 1) / kPostingsPerBlock);
  for (size_t b = 0; b < used; ++b) {
    CPostingBlock block;
    for (int i = 0; i < kPostingsPerBlock; ++i) {
      const size_t k = b * kPostingsPerBlock + static_cast<size_t>(i);
      if (k >= items.size()) break;
      block.codes[i] = items[k].code;
      block.records[i] = items[k].record;
    }
    block.next = b + 1 < used ? blocks[b + 1] : 0;
    if (!WritePostingBlock(blocks[b], block)) return 0;
  }
  node->last = blocks[used - 1];
  node->unsorted = 0;
  node->count = static_cast<uint32_t>(items.size());
  if (!WriteKeyNode(node_number, *node)) return 0;
  return 1;
}

int Cdatabase::SortAllPostings(int64_t limit) {
  if (!ReadHeader()) return 0;
  const int32_t last = header.key_next;
  CStoreProgress progress(front_end_, kTitleSortingIndex, last);
  CStatus failure;
  int sorted = 0;
  for (int32_t n = 1; n <= last; ++n) {
    progress.Step(n);
    sorted += SortPostings(static_cast<uint32_t>(n), limit);
    // A damaged list is reported, and the others are still sorted.
    if (!status_.ok() && failure.ok()) failure = status_;
    if (progress.Aborted()) break;
  }
  progress.Close();
  if (!failure.ok()) status_ = failure;
  return sorted;
}
