// The store header B.kw3: ten 32-bit little-endian integers, format version and allocation
// counters of the other store files.
#pragma once

#include <cstdint>
#include <span>

constexpr size_t kStoreHeaderSize = 40;
constexpr int32_t kStoreFormatVersion = 14;
// Every file with a free chain starts with entries 1 to kInitialEntries, and grows by
// kGrowthEntries when its free head comes near its mark.
constexpr int32_t kInitialEntries = 100;
constexpr int32_t kGrowthEntries = 100;
constexpr int32_t kRecordGrowthDistance = 10;
constexpr int32_t kPostingGrowthDistance = 10;
constexpr int32_t kTextGrowthDistance = 20;

struct CStoreHeader {
  int32_t version = 0;
  int32_t record_free = 0;   // record-table free head
  int32_t record_mark = 0;   // growth mark of B.acx
  int32_t text_free = 0;     // text-block free head
  int32_t text_mark = 0;     // growth mark of B.kw4
  int32_t key_next = 0;      // number of the next new key-tree node
  int32_t key_mark = 0;      // next node before the last reindex
  int32_t posting_free = 0;  // posting free head
  int32_t posting_mark = 0;  // growth mark of B.kw2
  int32_t cache_file = 0;    // thumbnail cache file taking new thumbnails; 0 = none yet

  // The header of a new index.
  static CStoreHeader NewIndex();

  void EncodeTo(std::span<uint8_t, kStoreHeaderSize> out) const;
  [[nodiscard]] static CStoreHeader DecodeFrom(std::span<const uint8_t, kStoreHeaderSize> in);

  bool operator==(const CStoreHeader&) const = default;
};
