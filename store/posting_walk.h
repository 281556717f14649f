// The walk along a word's posting list, bounded by the file so that a damaged list (a link
// out of the file, a circle) is reported instead of followed. Private to the store.
#pragma once

#include "store/database.h"

template <typename Visit>
bool Cdatabase::ForEachPostingBlock(uint32_t first, Visit visit) {
  const uint32_t limit = EntryCount(posting_file_, kPostingBlockSize);
  uint32_t steps = 0;
  for (uint32_t n = first; n > 0 && status_.ok(); ++steps) {
    if (steps >= limit) return Damaged(posting_file_, "a posting list runs in a circle");
    std::optional<CPostingBlock> block = ReadPostingBlock(n);
    if (!block || !visit(n, *block)) return false;
    n = block->next;
  }
  return status_.ok();
}
