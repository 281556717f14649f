// CThumbnailList, the document's memory list of decoded thumbnails: a table of entries
// addressed by index, bounded by bytes, from which the painter draws the strip. Entry 0 holds
// the placeholder picture for records whose medium is away; entries 1 to count - 1 hold
// thumbnails of records. Each use stamps an entry with the use counter; when an insertion
// takes the bytes in use over the budget, the least recently used other entry goes.
//
// An entry index stays valid until the next insertion or clearing; the painter asks for the
// index each time it draws a thumbnail and draws from that entry at once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "imaging/picture.h"

class CThumbnailList {
 public:
  static constexpr int kPlaceholderIndex = 0;
  // Bytes counted for an entry besides its pixel block.
  static constexpr size_t kEntryOverhead = 44;
  // The table holds at most this many entries; beyond, each insertion evicts one entry
  // whatever the bytes in use.
  static constexpr int kMaxEntries = 10000;
  // Record numbers of entries that must not be found again.
  static constexpr int32_t kForgotten = -1;
  static constexpr int32_t kRefreshed = 0;

  struct CEntry {
    int32_t record = 0;
    uint64_t stamp = 0;
    CPicture picture;
  };

  CThumbnailList();

  // The entry of the record, stamped as used; -1 when the list holds none.
  int Find(int32_t record);
  // Adds the record's thumbnail, then evicts one other entry when the bytes in use exceed
  // `budget` (or the table is full): the one with the smallest stamp, the lowest index among
  // equals. The new entry then moves into the freed index. Returns the new entry's index.
  int Add(int32_t record, CPicture picture, int64_t budget);
  // Marks every entry of the record with `mark` (kForgotten or kRefreshed), so that it is not
  // found again; its memory goes when it is evicted or the list is cleared.
  void Mark(int32_t record, int32_t mark);
  // Releases every entry, the placeholder included.
  void Clear();

  const CPicture& Picture(int index) const { return entries_[static_cast<size_t>(index)].picture; }
  const CEntry& Entry(int index) const { return entries_[static_cast<size_t>(index)]; }
  // Entries in use, the placeholder's included.
  int count() const { return static_cast<int>(entries_.size()); }
  size_t bytes_in_use() const { return bytes_in_use_; }

  bool HasPlaceholder() const { return !entries_[kPlaceholderIndex].picture.pixels.empty(); }
  void SetPlaceholder(CPicture picture);

 private:
  static size_t EntryBytes(const CEntry& entry) {
    return entry.picture.pixels.size() + kEntryOverhead;
  }
  // Evicts the least recently used entry other than `added`, and moves `added` into its
  // index; the index of the added entry. REQUIRES: `added` is the last entry.
  int Evict(int added);

  std::vector<CEntry> entries_;
  // Live entries by record number: a hit costs no walk over the table.
  std::unordered_map<int32_t, int> index_;
  uint64_t use_counter_ = 0;
  size_t bytes_in_use_ = 0;
};
