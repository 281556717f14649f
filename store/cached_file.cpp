#include "store/cached_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <map>
#include <mutex>
#include <utility>

namespace {

// Writes by store objects of this process, per file: a cache filled before another object's
// write is not trusted even when the file system's clock did not move.
std::mutex generation_mutex;
std::map<std::pair<uint64_t, uint64_t>, uint64_t>& Generations() {
  static std::map<std::pair<uint64_t, uint64_t>, uint64_t> generations;
  return generations;
}

uint64_t Generation(const CFileStamp& stamp) {
  std::lock_guard<std::mutex> lock(generation_mutex);
  auto it = Generations().find({stamp.device, stamp.inode});
  return it == Generations().end() ? 0 : it->second;
}

uint64_t NextGeneration(const CFileStamp& stamp) {
  std::lock_guard<std::mutex> lock(generation_mutex);
  return ++Generations()[{stamp.device, stamp.inode}];
}

}  // namespace

void CCachedFile::SetPath(const std::string& path) {
  Close();
  path_ = path;
  stamp_valid_ = false;
  Drop();
}

bool CCachedFile::Open(CStoreIo& io, bool writable) {
  Close();
  const int handle = io.Open(path_, writable);
  if (handle < 0) return false;
  const std::optional<CFileStamp> stamp = io.Stamp(handle);
  if (!stamp) {
    io.Close(handle);
    return false;
  }
  io_ = &io;
  handle_ = handle;
  writable_ = writable;
  wrote_ = false;
  const uint64_t generation = Generation(*stamp);
  if (!stamp_valid_ || *stamp != stamp_ || generation != generation_) {
    stamp_ = *stamp;
    stamp_valid_ = true;
    generation_ = generation;
    size_ = disk_size_ = stamp->size;
    Drop();
  }
  return true;
}

void CCachedFile::Close() {
  if (handle_ < 0) return;
  if (dirty() && !(Flush(true) && Flush(false))) Discard();
  if (wrote_) {
    // The stamp after this cache's writes: its own size and the time it set. A file system
    // that keeps coarser times shows another time at the next open, which only costs the
    // cache.
    const std::optional<int64_t> mtime = io_->Touch(handle_);
    if (mtime && stamp_valid_) {
      stamp_.size = size_;
      stamp_.mtime_ns = *mtime;
    } else {
      stamp_valid_ = false;  // a flush failed, or the time could not be set
    }
    generation_ = NextGeneration(stamp_);
  }
  io_->Close(handle_);
  handle_ = -1;
  wrote_ = false;
}

void CCachedFile::Drop() {
  loaded_.assign((size_ + kPageSize - 1) / kPageSize, false);
  dirty_.clear();
  ++epoch_;
}

void CCachedFile::Discard() {
  size_ = disk_size_;
  stamp_valid_ = false;
  Drop();
}

void CCachedFile::Reserve(uint64_t bytes) {
  if (bytes <= capacity_) return;
  const uint64_t capacity = std::max({bytes, capacity_ * 2, kPageSize});
  std::unique_ptr<uint8_t[]> data(new uint8_t[capacity]);
  if (capacity_ > 0) std::memcpy(data.get(), data_.get(), capacity_);
  data_ = std::move(data);
  capacity_ = capacity;
}

bool CCachedFile::EnsureLoaded(uint64_t offset, uint64_t length) {
  if (length == 0) return offset <= size_;
  if (offset > size_ || length > size_ - offset) return false;
  const uint64_t first = offset / kPageSize, last = (offset + length - 1) / kPageSize;
  for (uint64_t page = first; page <= last; ++page) {
    if (loaded_[page]) continue;
    if (handle_ < 0) return false;
    Reserve(size_);
    // Only the part on disk is read: staged extensions are in the cache already.
    const uint64_t start = page * kPageSize;
    const uint64_t end = std::min(start + kPageSize, disk_size_);
    if (start < end &&
        !io_->ReadAt(handle_, start, MutableByteSpan(data_.get() + start, end - start))) {
      return false;
    }
    loaded_[page] = true;
  }
  return true;
}

bool CCachedFile::Read(uint64_t offset, MutableByteSpan out) {
  if (!EnsureLoaded(offset, out.size())) return false;
  if (!out.empty()) std::memcpy(out.data(), data_.get() + offset, out.size());
  return true;
}

const uint8_t* CCachedFile::ReadRange(uint64_t offset, size_t length) {
  if (!EnsureLoaded(offset, length)) return nullptr;
  return length == 0 ? nullptr : data_.get() + offset;
}

bool CCachedFile::Write(uint64_t offset, ByteSpan data) {
  if (handle_ < 0 || !writable_) {
    errno = EBADF;
    return false;
  }
  if (data.empty()) return true;
  const uint64_t end = offset + data.size();
  // The cached page must hold the file's bytes before part of it is overwritten.
  if (offset < size_ && !EnsureLoaded(offset, std::min(end, size_) - offset)) return false;
  if (end > size_) {
    Reserve(end);
    std::memset(data_.get() + size_, 0, end - size_);
    size_ = end;
    loaded_.resize((size_ + kPageSize - 1) / kPageSize, false);
    for (uint64_t page = (disk_size_ + kPageSize - 1) / kPageSize; page < loaded_.size(); ++page) {
      loaded_[page] = true;  // nothing of these pages is on disk
    }
  }
  std::memcpy(data_.get() + offset, data.data(), data.size());
  if (!dirty_.empty() && dirty_.back().second == offset) {
    dirty_.back().second = end;
  } else {
    dirty_.emplace_back(offset, end);
  }
  return true;
}

bool CCachedFile::Flush(bool extensions) {
  if (dirty_.empty()) return true;
  std::sort(dirty_.begin(), dirty_.end());
  // Ranges close to each other are written as one when the bytes between them are cached.
  auto gap_cached = [&](uint64_t from, uint64_t to) {
    if (to - from > kMergeGap) return false;
    for (uint64_t page = from / kPageSize; page * kPageSize < to; ++page) {
      if (!loaded_[page]) return false;
    }
    return true;
  };
  std::vector<std::pair<uint64_t, uint64_t>> merged;
  for (const auto& range : dirty_) {
    if (!merged.empty() &&
        (range.first <= merged.back().second || gap_cached(merged.back().second, range.first))) {
      merged.back().second = std::max(merged.back().second, range.second);
    } else {
      merged.push_back(range);
    }
  }
  dirty_ = merged;
  std::vector<std::pair<uint64_t, uint64_t>> rest;
  const uint64_t disk_end = disk_size_;
  for (const auto& [begin, end] : merged) {
    // The part past the end on disk is an extension; the part before it lies inside.
    const uint64_t split = std::clamp(disk_end, begin, end);
    const uint64_t from = extensions ? split : begin;
    const uint64_t to = extensions ? end : split;
    if (from < to) {
      wrote_ = true;
      if (!io_->WriteAt(handle_, from, ByteSpan(data_.get() + from, to - from))) return false;
      if (extensions) disk_size_ = std::max(disk_size_, to);
    }
    if (extensions && begin < split) rest.emplace_back(begin, split);
  }
  if (extensions) {
    dirty_ = rest;
  } else {
    dirty_.clear();
  }
  return true;
}
