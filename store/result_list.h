// CResultList, the store's result list: the records found by the last query (or added by the
// last import), in order, with the current position in the list. Invariants, kept by every
// method: count() is the number of entries, and position() lies in 0 ... count() (1-based; 0
// while no entry is current). Callers read and mark the entries (selection, cached texts);
// only the methods below add, remove or reorder them.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// One entry of the result list.
class CPictureInfo {
 public:
  std::string name;
  // Scratch texts: the sort key while sorting, the cached ID, When, Where, Description and
  // picture path while the strip shows the entry.
  std::array<std::string, 10> texts;
  // The strip has read the record's texts into `texts` (ID, When, Where, Description, path).
  bool texts_read = false;
  uint8_t selected = 0;
  int32_t record = 0;
};

class CResultList {
 public:
  using iterator = std::vector<CPictureInfo>::iterator;
  using const_iterator = std::vector<CPictureInfo>::const_iterator;

  [[nodiscard]] int32_t count() const { return static_cast<int32_t>(entries_.size()); }
  [[nodiscard]] size_t size() const { return entries_.size(); }
  [[nodiscard]] bool empty() const { return entries_.empty(); }
  [[nodiscard]] int32_t position() const { return position_; }

  // REQUIRES: index < size().
  CPictureInfo& operator[](size_t index) { return entries_[index]; }
  const CPictureInfo& operator[](size_t index) const { return entries_[index]; }
  // REQUIRES: !empty().
  [[nodiscard]] const CPictureInfo& back() const { return entries_.back(); }
  iterator begin() { return entries_.begin(); }
  iterator end() { return entries_.end(); }
  const_iterator begin() const { return entries_.begin(); }
  const_iterator end() const { return entries_.end(); }

  // The record at the current position; 0 when no entry is current.
  [[nodiscard]] int32_t CurrentRecord() const {
    return position_ >= 1 ? entries_[static_cast<size_t>(position_) - 1].record : 0;
  }
  [[nodiscard]] bool AnySelected() const;

  // --- changes ---
  // No entries, position 0.
  void Clear();
  // A new last entry; the position stays.
  void Append(int32_t record, uint8_t selected = 0);
  // Takes out the entry at `index` (REQUIRES: index < size()); the position keeps its number
  // while it still lies in the list (it then names the entry that followed), else it is the
  // new last one.
  void Erase(size_t index);
  // Drops the entries from `size` on; the position as for Erase.
  void Truncate(size_t size);
  // Takes out every entry for which `remove` holds; the position as for Erase.
  template <typename Predicate>
  void EraseIf(Predicate remove) {
    std::erase_if(entries_, remove);
    ClampPosition();
  }
  // Orders the entries by `less`, entries that compare equal keeping their order. The
  // position keeps its number.
  template <typename Less>
  void StableSort(Less less) {
    std::stable_sort(entries_.begin(), entries_.end(), less);
  }
  // The position, moved into 0 ... count() when it lies outside.
  void SetPosition(int32_t position);

 private:
  void ClampPosition() { position_ = std::min(position_, count()); }

  std::vector<CPictureInfo> entries_;
  int32_t position_ = 0;
};
