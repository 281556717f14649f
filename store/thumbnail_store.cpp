// The store's thumbnail cache files: storing a record's thumbnail in the current cache file,
// loading it back, and releasing it. The record keeps the file number (one byte) and the
// slot; the header keeps the number of the file that takes new thumbnails.
#include <cerrno>
#include <cstring>

#include "base/string_printf.h"
#include "base/string_table.h"
#include "store/database.h"

namespace {

// Blob offsets and sizes are 32-bit numbers in the slot.
constexpr uint64_t kLargestCacheFile = UINT32_MAX;

// Whether an open cache file can take a blob of this size: a sound header with a free slot
// that was never used, and room for the blob's offset. A file that fails this is not written.
bool CanTake(CCacheFile& file, uint64_t blob_size) {
  const std::optional<CCacheFileHeader> header = file.ReadHeader();
  if (!header || !header->IsSound() || header->free_head == 0) return false;
  if (file.size() < kCacheBlobsOffset || file.size() + blob_size > kLargestCacheFile) return false;
  const std::optional<CCacheSlot> slot = file.ReadSlot(header->free_head);
  return slot && slot->in_use == 0 && slot->next_free() <= kCacheSlotCount;
}

}  // namespace

std::optional<CRecordEntry> Cdatabase::ReadEntryIfAny(int record) {
  // A record number from the result list or the painter may be older than the table: no
  // damage to report.
  if (record < 1 || static_cast<uint32_t>(record) > EntryCount(record_file_, kRecordEntrySize)) {
    return std::nullopt;
  }
  return ReadRecordEntry(static_cast<uint32_t>(record));
}

bool Cdatabase::CacheWriteFailed(const std::string& path) {
  return Fail(CStatus::IoError(
      StringPrintf(kMsgThumbnailCacheNotWritten, path.c_str(), std::strerror(errno))));
}

bool Cdatabase::OpenCurrentCacheFile(CCacheFile& file, uint64_t blob_size) {
  if (header.cache_file < 0 || header.cache_file > kLastCacheFileNumber) {
    return Fail(CStatus::Refused(StringPrintf(kMsgThumbnailCacheFull, main_file_.c_str())));
  }
  if (header.cache_file > 0) {
    if (file.Open(CacheFileName(header.cache_file), true)) {
      if (CanTake(file, blob_size)) return true;
      // Full, or damaged: a damaged file is left as it is for the thumbnails it still holds.
      file.Close();
    } else if (errno != ENOENT) {
      return false;
    }
  }
  return BeginCacheFile(file, blob_size);
}

bool Cdatabase::BeginCacheFile(CCacheFile& file, uint64_t blob_size) {
  for (int number = header.cache_file + 1;; ++number) {
    if (number > kLastCacheFileNumber) {
      return Fail(CStatus::Refused(StringPrintf(kMsgThumbnailCacheFull, main_file_.c_str())));
    }
    const std::string name = CacheFileName(number);
    if (file.Open(name, true)) {
      // A file of this number exists already (the header is older than the cache files):
      // records may point into it, so it is never emptied; it is used when it can take the
      // thumbnail.
      if (CanTake(file, blob_size)) {
        header.cache_file = number;
        break;
      }
      file.Close();
      continue;
    }
    if (errno != ENOENT) return false;
    if (!file.Create(name)) {
      // A folder that cannot take files (a read-only medium) is no failure of the store; a
      // full disk is reported.
      return errno == ENOSPC || errno == EDQUOT || errno == EIO ? CacheWriteFailed(name) : false;
    }
    header.cache_file = number;
    break;
  }
  // Another store object on this index must find the new file at once. Inside an operation
  // that allocated, the header goes with that operation's writes.
  return header_dirty_ ? true : WriteHeaderNow();
}

bool Cdatabase::StoreThumbnail(ByteSpan pixels, ByteSpan header_block, int record) {
  if (read_only_ || record < 1) return false;
  COpenFiles files(*this);
  if (!files.ok() || !ReadHeader() || pixels.empty()) return false;
  const int bits = BlobBitCount(header_block);
  const size_t header_size = BlobHeaderSize(bits);
  if ((bits != 8 && bits != 24) || header_block.size() < header_size) return false;
  const uint64_t blob_size = header_size + uint64_t{pixels.size()};
  if (kCacheBlobsOffset + blob_size > kLargestCacheFile) return false;
  std::optional<CRecordEntry> entry = ReadEntryIfAny(record);
  // A free entry keeps no thumbnail: the record added into it next would inherit it.
  if (!entry || !entry->in_use) return false;

  CCacheFile file(*io_);
  if (!OpenCurrentCacheFile(file, blob_size)) return false;
  CCacheFileHeader file_header = *file.ReadHeader();
  const uint32_t slot_number = file_header.free_head;
  CCacheSlot slot = *file.ReadSlot(slot_number);
  file_header.free_head = slot.next_free();
  if (!file.WriteHeader(file_header)) return CacheWriteFailed(file.path());

  std::vector<uint8_t> blob;
  blob.reserve(blob_size);
  blob.insert(blob.end(), header_block.begin(),
              header_block.begin() + static_cast<std::ptrdiff_t>(header_size));
  blob.insert(blob.end(), pixels.begin(), pixels.end());
  slot.in_use = 1;
  slot.offset = static_cast<uint32_t>(file.size());
  slot.size = static_cast<uint32_t>(blob_size);
  if (!file.Append(blob) || !file.WriteSlot(slot_number, slot)) {
    return CacheWriteFailed(file.path());
  }
  file.Close();

  entry->thumb_slot = slot_number;
  entry->thumb_file = static_cast<uint8_t>(header.cache_file);
  return WriteRecordEntry(static_cast<uint32_t>(record), *entry) && Commit();
}

std::optional<CThumbnailBlob> Cdatabase::LoadThumbnail(int record) {
  COpenFiles files(*this);
  if (!files.ok()) return std::nullopt;
  const std::optional<CRecordEntry> entry = ReadEntryIfAny(record);
  if (!entry || entry->thumb_file == 0) return std::nullopt;

  CCacheFile file(*io_);
  if (!file.Open(CacheFileName(entry->thumb_file), false)) return std::nullopt;
  // The slot's in-use flag is not consulted: a record names its own slot.
  const std::optional<CCacheSlot> slot = file.ReadSlot(entry->thumb_slot);
  if (!slot || slot->offset < kCacheBlobsOffset) return std::nullopt;
  CThumbnailBlob blob;
  blob.header.resize(kBlobHeaderSize24);
  if (slot->size < blob.header.size() || !file.Read(slot->offset, blob.header)) {
    return std::nullopt;
  }
  blob.header.resize(BlobHeaderSize(BlobBitCount(blob.header)));
  if (slot->size < blob.header.size() || !file.Read(slot->offset, blob.header)) {
    return std::nullopt;
  }
  // The pixel block is read only when the file holds all of it, so a hostile size costs no
  // allocation beyond the file.
  const uint64_t pixels_offset = uint64_t{slot->offset} + blob.header.size();
  const uint64_t pixels_size = slot->size - blob.header.size();
  if (pixels_offset + pixels_size > file.size()) return std::nullopt;
  blob.pixels.resize(pixels_size);
  if (!file.Read(pixels_offset, blob.pixels) || !blob.IsDrawable()) return std::nullopt;
  return blob;
}

void Cdatabase::DeleteThumbnail(int record) {
  std::optional<CRecordEntry> entry = ReadEntryIfAny(record);
  if (!entry || (entry->thumb_file == 0 && entry->thumb_slot == 0)) return;
  if (entry->thumb_file != 0 && !read_only_) {
    CCacheFile file(*io_);
    if (file.Open(CacheFileName(entry->thumb_file), true)) {
      std::optional<CCacheSlot> slot = file.ReadSlot(entry->thumb_slot);
      if (slot && slot->in_use != 0) {
        slot->in_use = 0;  // offset and size stay: the blob stays in the file
        if (!file.WriteSlot(entry->thumb_slot, *slot)) {
          CacheWriteFailed(file.path());
          return;
        }
      }
    }
  }
  entry->thumb_slot = 0;
  entry->thumb_file = 0;
  WriteRecordEntry(static_cast<uint32_t>(record), *entry);
}

std::optional<CPictureLocation> Cdatabase::ReadPictureLocation(int record) {
  COpenFiles files(*this);
  if (!files.ok()) return std::nullopt;
  const std::optional<CRecordEntry> entry = ReadEntryIfAny(record);
  if (!entry || !entry->in_use) return std::nullopt;
  CPictureLocation location{ReadTextChain(entry->image_path), ReadTextChain(entry->volume_label)};
  if (!status_.ok()) return std::nullopt;
  return location;
}
