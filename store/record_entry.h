// A record-table entry of B.acx (39 bytes): one picture's record, or a free entry.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

constexpr size_t kRecordEntrySize = 39;
constexpr size_t kSortTextWidth = 20;
constexpr size_t kMaxSortTextLength = kSortTextWidth - 1;

struct CRecordEntry {
  uint8_t in_use = 0;
  uint32_t field_text = 0;  // first text block of the field text; free entry: next free entry
  uint8_t quality = 0;
  uint32_t image_path = 0;    // first text block of the image path; 0 = none
  uint32_t volume_label = 0;  // first text block of the volume label; 0 = none
  uint32_t thumb_slot = 0;    // slot in the thumbnail cache file; 0 = none
  uint8_t thumb_file = 0;     // thumbnail cache file number; 0 = none
  std::array<char, kSortTextWidth> sort_text{};

  uint32_t next_free() const { return field_text; }
  std::string SortText() const;
  // Stores at most 19 bytes of the text, cut at a character boundary.
  void SetSortText(std::string_view text);

  // A free entry as creation and growth write it: zero apart from the link.
  static CRecordEntry Free(uint32_t next);

  void EncodeTo(std::span<uint8_t, kRecordEntrySize> out) const;
  [[nodiscard]] static CRecordEntry DecodeFrom(std::span<const uint8_t, kRecordEntrySize> in);
};
