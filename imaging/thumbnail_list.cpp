#include "imaging/thumbnail_list.h"

#include <utility>

CThumbnailList::CThumbnailList() { entries_.resize(1); }

int CThumbnailList::Find(int32_t record) {
  auto it = index_.find(record);
  if (it == index_.end()) return -1;
  entries_[static_cast<size_t>(it->second)].stamp = use_counter_++;
  return it->second;
}

int CThumbnailList::Add(int32_t record, CPicture picture, int64_t budget) {
  const int index = count();
  CEntry& entry = entries_.emplace_back();
  entry.record = record;
  entry.stamp = use_counter_++;
  entry.picture = std::move(picture);
  bytes_in_use_ += EntryBytes(entry);
  index_[record] = index;
  // One eviction per insertion: the bytes in use may stay above the budget for a while.
  if (static_cast<int64_t>(bytes_in_use_) > budget || count() > kMaxEntries) return Evict(index);
  return index;
}

int CThumbnailList::Evict(int added) {
  int victim = -1;
  for (int i = 1; i < added; ++i) {
    if (victim < 0 ||
        entries_[static_cast<size_t>(i)].stamp < entries_[static_cast<size_t>(victim)].stamp) {
      victim = i;
    }
  }
  if (victim < 0) return added;
  CEntry& gone = entries_[static_cast<size_t>(victim)];
  bytes_in_use_ -= EntryBytes(gone);
  auto it = index_.find(gone.record);
  if (it != index_.end() && it->second == victim) index_.erase(it);
  // The entry just added, which is the last, moves into the freed index.
  gone = std::move(entries_.back());
  entries_.pop_back();
  index_[gone.record] = victim;
  return victim;
}

void CThumbnailList::Mark(int32_t record, int32_t mark) {
  auto it = index_.find(record);
  if (it == index_.end()) return;
  entries_[static_cast<size_t>(it->second)].record = mark;
  index_.erase(it);
}

void CThumbnailList::Clear() {
  entries_.clear();
  entries_.resize(1);
  index_.clear();
  bytes_in_use_ = 0;
}

void CThumbnailList::SetPlaceholder(CPicture picture) {
  entries_[kPlaceholderIndex].picture = std::move(picture);
}
