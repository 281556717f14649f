#include "store/thumbnail_cache.h"

#include <array>
#include <cerrno>

namespace {

constexpr size_t kFreeHeadOffset = 0;
constexpr size_t kSlotCountOffset = 4;
constexpr size_t kSlotInUseOffset = 0;
constexpr size_t kSlotOffsetOffset = 1;
constexpr size_t kSlotSizeOffset = 5;

}  // namespace

CCacheFileHeader CCacheFileHeader::Fresh() { return CCacheFileHeader{1, kCacheSlotCount}; }

bool CCacheFileHeader::IsSound() const {
  return slot_count == kCacheSlotCount && free_head <= kCacheSlotCount;
}

void CCacheFileHeader::EncodeTo(std::span<uint8_t, kCacheFileHeaderSize> out) const {
  PutUint32LE(out, kFreeHeadOffset, free_head);
  PutUint32LE(out, kSlotCountOffset, slot_count);
}

CCacheFileHeader CCacheFileHeader::DecodeFrom(std::span<const uint8_t, kCacheFileHeaderSize> in) {
  return CCacheFileHeader{*GetUint32LE(in, kFreeHeadOffset), *GetUint32LE(in, kSlotCountOffset)};
}

void CCacheSlot::EncodeTo(std::span<uint8_t, kCacheSlotSize> out) const {
  out[kSlotInUseOffset] = in_use;
  PutUint32BE(out, kSlotOffsetOffset, offset);
  PutUint32BE(out, kSlotSizeOffset, size);
}

CCacheSlot CCacheSlot::DecodeFrom(std::span<const uint8_t, kCacheSlotSize> in) {
  return CCacheSlot{in[kSlotInUseOffset], *GetUint32BE(in, kSlotOffsetOffset),
                    *GetUint32BE(in, kSlotSizeOffset)};
}

std::vector<uint8_t> FreshCacheFile() {
  std::vector<uint8_t> bytes(kCacheBlobsOffset, 0);
  CCacheFileHeader::Fresh().EncodeTo(
      std::span<uint8_t, kCacheFileHeaderSize>(bytes.data(), kCacheFileHeaderSize));
  for (uint32_t n = 1; n <= kCacheSlotCount; ++n) {
    CCacheSlot slot;
    slot.offset = n < kCacheSlotCount ? n + 1 : 0;
    slot.EncodeTo(std::span<uint8_t, kCacheSlotSize>(&bytes[CacheSlotOffset(n)], kCacheSlotSize));
  }
  return bytes;
}

size_t BlobHeaderSize(int bit_count) {
  return bit_count == 8 ? kBlobHeaderSize8 : kBlobHeaderSize24;
}

int BlobBitCount(ByteSpan header_block) {
  return GetUint16LE(header_block, kBlobBitCountOffset).value_or(0);
}

bool CThumbnailBlob::IsDrawable() const {
  const int bits = BlobBitCount(header);
  if ((bits != 8 && bits != 24) || header.size() != BlobHeaderSize(bits)) return false;
  const int64_t width = static_cast<int32_t>(*GetUint32LE(header, kBlobWidthOffset));
  int64_t height = static_cast<int32_t>(*GetUint32LE(header, kBlobHeightOffset));
  if (height < 0) height = -height;  // top-down rows, as every picture here is stored
  if (width <= 0 || height == 0) return false;
  if (*GetUint32LE(header, kBlobSizeImageOffset) != pixels.size()) return false;
  // Below 2^31 × 3 bytes a row and 2^31 rows, so the product fits.
  const uint64_t stride = (static_cast<uint64_t>(width) * (bits / 8) + 3) & ~uint64_t{3};
  return stride * static_cast<uint64_t>(height) <= pixels.size();
}

bool CCacheFile::Open(const std::string& path, bool writable) {
  Close();
  const int handle = io_.Open(path, writable);
  if (handle < 0) return false;
  const std::optional<CFileStamp> stamp = io_.Stamp(handle);
  if (!stamp) {
    io_.Close(handle);
    return false;
  }
  path_ = path;
  handle_ = handle;
  size_ = stamp->size;
  return true;
}

bool CCacheFile::Create(const std::string& path) {
  Close();
  const int handle = io_.Create(path);
  if (handle < 0) return false;
  if (!io_.WriteAt(handle, 0, FreshCacheFile())) {
    const int error = errno;
    io_.Close(handle);
    io_.Remove(path);
    errno = error;
    return false;
  }
  path_ = path;
  handle_ = handle;
  size_ = kCacheBlobsOffset;
  return true;
}

void CCacheFile::Close() {
  if (handle_ < 0) return;
  io_.Close(handle_);
  handle_ = -1;
}

std::optional<CCacheFileHeader> CCacheFile::ReadHeader() {
  std::array<uint8_t, kCacheFileHeaderSize> bytes;
  if (!Read(0, bytes)) return std::nullopt;
  return CCacheFileHeader::DecodeFrom(bytes);
}

bool CCacheFile::WriteHeader(const CCacheFileHeader& header) {
  std::array<uint8_t, kCacheFileHeaderSize> bytes;
  header.EncodeTo(bytes);
  return handle_ >= 0 && io_.WriteAt(handle_, 0, bytes);
}

std::optional<CCacheSlot> CCacheFile::ReadSlot(uint32_t n) {
  std::array<uint8_t, kCacheSlotSize> bytes;
  if (n < 1 || n > kCacheSlotCount || !Read(CacheSlotOffset(n), bytes)) return std::nullopt;
  return CCacheSlot::DecodeFrom(bytes);
}

bool CCacheFile::WriteSlot(uint32_t n, const CCacheSlot& slot) {
  std::array<uint8_t, kCacheSlotSize> bytes;
  slot.EncodeTo(bytes);
  if (n < 1 || n > kCacheSlotCount || handle_ < 0) {
    errno = EINVAL;
    return false;
  }
  return io_.WriteAt(handle_, CacheSlotOffset(n), bytes);
}

bool CCacheFile::Read(uint64_t offset, MutableByteSpan out) {
  if (handle_ < 0 || offset > size_ || out.size() > size_ - offset) return false;
  return out.empty() || io_.ReadAt(handle_, offset, out);
}

bool CCacheFile::Append(ByteSpan data) {
  if (handle_ < 0) {
    errno = EBADF;
    return false;
  }
  if (!io_.WriteAt(handle_, size_, data)) return false;
  size_ += data.size();
  return true;
}
