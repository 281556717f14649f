// CCachedFile: one store file with a cache of its content that lives across operations.
// Every operation opens and closes the file; the cache is trusted at the next open only while
// the file is unchanged: same file, size and modification time as noted after the last open
// or after this cache's own writes, and no other store object in this process wrote it since.
//
// Writes are staged: they change the cache at once (reads see them) and reach the file when
// the operation flushes them, first the bytes that extend the file (the ones a full disk
// refuses), then the bytes inside it. Discarding drops staged writes unwritten.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "store/store_io.h"

class CCachedFile {
 public:
  CCachedFile() = default;
  CCachedFile(const CCachedFile&) = delete;
  CCachedFile& operator=(const CCachedFile&) = delete;

  // Names the file; forgets the cache.
  void SetPath(const std::string& path);
  const std::string& path() const { return path_; }

  // Opens the file; false when it cannot be opened (errno tells why). A file changed since
  // the cache was filled drops the cache.
  bool Open(CStoreIo& io, bool writable);
  // Closes the file (flushing staged writes); after writes notes the new stamp.
  void Close();
  bool is_open() const { return handle_ >= 0; }
  bool writable() const { return writable_; }

  // The file's size in bytes (as of the open, and grown by this cache's own writes).
  uint64_t size() const { return size_; }

  // Copies out.size() bytes at the offset; false past the end or on a read error.
  bool Read(uint64_t offset, MutableByteSpan out);
  // The cached bytes of a range, valid until the next write; null past the end or on a read
  // error.
  const uint8_t* ReadRange(uint64_t offset, size_t length);
  // Stages a write; false when the file is not open for writing.
  bool Write(uint64_t offset, ByteSpan data);
  bool dirty() const { return !dirty_.empty(); }
  // Writes the staged bytes that lie past the end of the file on disk, or (extensions false)
  // those inside it. False on a write error (errno tells why).
  bool Flush(bool extensions);
  // Forgets staged writes and everything cached.
  void Discard();

  // Changes whenever the cached content is dropped; caches derived from this file's content
  // compare it.
  uint64_t epoch() const { return epoch_; }

 private:
  static constexpr uint64_t kPageSize = 1 << 15;
  static constexpr uint64_t kMergeGap = 4096;

  void Drop();
  void Reserve(uint64_t bytes);
  bool EnsureLoaded(uint64_t offset, uint64_t length);

  std::string path_;
  CStoreIo* io_ = nullptr;
  int handle_ = -1;
  bool writable_ = false;
  bool wrote_ = false;

  bool stamp_valid_ = false;
  CFileStamp stamp_;
  uint64_t generation_ = 0;
  uint64_t epoch_ = 1;

  uint64_t size_ = 0;                                 // with staged extensions
  uint64_t disk_size_ = 0;                            // on disk
  std::vector<std::pair<uint64_t, uint64_t>> dirty_;  // staged ranges [begin, end)
  std::unique_ptr<uint8_t[]> data_;
  uint64_t capacity_ = 0;
  std::vector<bool> loaded_;  // per page: data_ holds the file's bytes
};
