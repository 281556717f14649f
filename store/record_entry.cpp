#include "store/record_entry.h"

#include <cstring>

#include "base/coding.h"
#include "base/text_rules.h"
#include "store/fixed_text.h"

namespace {

constexpr size_t kInUseOffset = 0;
constexpr size_t kFieldTextOffset = 1;
constexpr size_t kQualityOffset = 5;
constexpr size_t kImagePathOffset = 6;
constexpr size_t kVolumeLabelOffset = 10;
constexpr size_t kThumbSlotOffset = 14;
constexpr size_t kThumbFileOffset = 18;
constexpr size_t kSortTextOffset = 19;
static_assert(kSortTextOffset + kSortTextWidth == kRecordEntrySize);

}  // namespace

std::string CRecordEntry::SortText() const { return FixedText(sort_text); }

void CRecordEntry::SetSortText(std::string_view text) {
  SetFixedText(sort_text, CutText(text, kMaxSortTextLength));
}

CRecordEntry CRecordEntry::Free(uint32_t next) {
  CRecordEntry entry;
  entry.field_text = next;
  return entry;
}

void CRecordEntry::EncodeTo(std::span<uint8_t, kRecordEntrySize> out) const {
  out[kInUseOffset] = in_use;
  PutUint32BE(out, kFieldTextOffset, field_text);
  out[kQualityOffset] = quality;
  PutUint32BE(out, kImagePathOffset, image_path);
  PutUint32BE(out, kVolumeLabelOffset, volume_label);
  PutUint32BE(out, kThumbSlotOffset, thumb_slot);
  out[kThumbFileOffset] = thumb_file;
  std::memcpy(out.data() + kSortTextOffset, sort_text.data(), kSortTextWidth);
}

CRecordEntry CRecordEntry::DecodeFrom(std::span<const uint8_t, kRecordEntrySize> in) {
  CRecordEntry entry;
  entry.in_use = in[kInUseOffset];
  entry.field_text = *GetUint32BE(in, kFieldTextOffset);
  entry.quality = in[kQualityOffset];
  entry.image_path = *GetUint32BE(in, kImagePathOffset);
  entry.volume_label = *GetUint32BE(in, kVolumeLabelOffset);
  entry.thumb_slot = *GetUint32BE(in, kThumbSlotOffset);
  entry.thumb_file = in[kThumbFileOffset];
  std::memcpy(entry.sort_text.data(), in.data() + kSortTextOffset, kSortTextWidth);
  return entry;
}
