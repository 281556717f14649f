// A thumbnail cache file B.C01, B.C02, ... (B.C100 and on from file 100): a file header, a
// table of 2000 slots, then the thumbnail blobs appended in the order they were stored.
//
//   offset 0      file header (8 bytes, little-endian): free-list head, slot count (2000)
//   offset 8      slot n at 8 + (n - 1) * 9: in use (1 byte), offset or next free slot,
//                 blob size (both 32-bit big-endian)
//   offset 18008  blobs: the picture header block (44 bytes for 24 bits, 1,068 bytes with
//                 the palette for 8 bits) followed by the pixel block
//
// Slots are handed out in order and never again once released; blobs are never removed, so
// a cache file only grows. The record names its thumbnail by the file number (one byte, so
// 1 to 255) and the slot number.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "base/coding.h"
#include "store/store_io.h"

constexpr uint32_t kCacheSlotCount = 2000;
constexpr size_t kCacheFileHeaderSize = 8;
constexpr size_t kCacheSlotSize = 9;
constexpr uint64_t kCacheBlobsOffset = kCacheFileHeaderSize + kCacheSlotCount * kCacheSlotSize;
static_assert(kCacheBlobsOffset == 18008);
// The record keeps the file number in one byte.
constexpr int kLastCacheFileNumber = 255;

// The blob's header block: the 40-byte BITMAPINFOHEADER and 4 spare bytes, or for 8-bit
// thumbnails also the 256 palette entries of 4 bytes.
constexpr size_t kBlobHeaderSize24 = 44;
constexpr size_t kBlobHeaderSize8 = 1068;
constexpr size_t kBlobWidthOffset = 4;
constexpr size_t kBlobHeightOffset = 8;
constexpr size_t kBlobBitCountOffset = 14;
constexpr size_t kBlobSizeImageOffset = 20;  // the pixel block's size

// The byte offset of slot n (1 to 2000).
[[nodiscard]] constexpr uint64_t CacheSlotOffset(uint32_t slot) {
  return kCacheFileHeaderSize + uint64_t{slot - 1} * kCacheSlotSize;
}

struct CCacheFileHeader {
  uint32_t free_head = 0;  // first free slot; 0 when every slot has been used
  uint32_t slot_count = 0;

  // The header of a fresh file: free head 1, 2000 slots.
  static CCacheFileHeader Fresh();
  // True when the slot count is 2000 and the free head names a slot or is 0.
  bool IsSound() const;

  void EncodeTo(std::span<uint8_t, kCacheFileHeaderSize> out) const;
  static CCacheFileHeader DecodeFrom(std::span<const uint8_t, kCacheFileHeaderSize> in);
};

struct CCacheSlot {
  uint8_t in_use = 0;
  // A slot that was ever used: the file offset of its blob; a never-used slot: the next free
  // slot (0 = none).
  uint32_t offset = 0;
  uint32_t size = 0;  // blob size in bytes; 0 for a never-used slot

  uint32_t next_free() const { return offset; }

  void EncodeTo(std::span<uint8_t, kCacheSlotSize> out) const;
  static CCacheSlot DecodeFrom(std::span<const uint8_t, kCacheSlotSize> in);
};

// The 18,008 bytes of a fresh cache file: the fresh header and slots 1 to 1999 linking to
// their successors, slot 2000 to none.
[[nodiscard]] std::vector<uint8_t> FreshCacheFile();

// The size of the header block that a blob with this bit count starts with.
[[nodiscard]] size_t BlobHeaderSize(int bit_count);
// The bit count a header block claims; 0 when it is too short to say.
[[nodiscard]] int BlobBitCount(ByteSpan header_block);

// A thumbnail as the cache file holds it: the header block (44 or 1,068 bytes) and the pixel
// block (rows starting on multiples of 4 bytes, in its allocated size).
struct CThumbnailBlob {
  std::vector<uint8_t> header;
  std::vector<uint8_t> pixels;

  // True when it is a picture that can be drawn: a 24- or 8-bit header block of the size that
  // bit count needs, a positive width, a height, a pixel block that holds all its rows and
  // whose size the header names (so a header claiming another bit count is caught).
  bool IsDrawable() const;
};

// One cache file, opened through the store's file access for one operation and closed by the
// destructor. Every read and write is checked against the file: nothing is read past its end
// and no slot is written outside the slot table.
class CCacheFile {
 public:
  explicit CCacheFile(CStoreIo& io) : io_(io) {}
  ~CCacheFile() { Close(); }
  CCacheFile(const CCacheFile&) = delete;
  CCacheFile& operator=(const CCacheFile&) = delete;

  // False when it cannot be opened (errno tells why: ENOENT when there is no such file).
  bool Open(const std::string& path, bool writable);
  // Makes a fresh cache file, which must not exist yet, and keeps it open. False when it
  // cannot be made; a file whose fresh bytes could not all be written is removed again.
  bool Create(const std::string& path);
  void Close();

  const std::string& path() const { return path_; }
  // The size as of the open, and grown by this object's appends.
  uint64_t size() const { return size_; }

  // The file header; nothing when the file is shorter than the header.
  [[nodiscard]] std::optional<CCacheFileHeader> ReadHeader();
  bool WriteHeader(const CCacheFileHeader& header);
  // Slot n; nothing when n is not 1 to 2000 or the slot lies past the end of the file.
  [[nodiscard]] std::optional<CCacheSlot> ReadSlot(uint32_t n);
  bool WriteSlot(uint32_t n, const CCacheSlot& slot);
  // Reads out.size() bytes at the offset; false when they do not all lie in the file.
  bool Read(uint64_t offset, MutableByteSpan out);
  // Writes the bytes at the end of the file; false on a write error (errno tells why).
  bool Append(ByteSpan data);

 private:
  CStoreIo& io_;
  std::string path_;
  int handle_ = -1;
  uint64_t size_ = 0;
};
