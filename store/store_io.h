// The store's access to files, as an interface so that tests can inject failures (a full
// disk, a read-only medium) without touching the machine. Calls report failure by their
// result and leave errno set.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "base/coding.h"

// What identifies a file's content between two operations: another program's write changes
// the size or the modification time (the store sets its own writes' modification time to
// the nanosecond, so a write in the same clock tick still shows).
struct CFileStamp {
  uint64_t device = 0;
  uint64_t inode = 0;
  uint64_t size = 0;
  int64_t mtime_ns = 0;

  bool operator==(const CFileStamp&) const = default;
};

class CStoreIo {
 public:
  virtual ~CStoreIo() = default;

  // A handle (>= 0), or -1. `writable` opens for reading and writing.
  virtual int Open(const std::string& path, bool writable) = 0;
  // Creates the file or truncates it, with read and write permission; a handle or -1.
  virtual int Create(const std::string& path) = 0;
  virtual void Close(int handle) = 0;
  // Reads exactly out.size() bytes at the offset.
  virtual bool ReadAt(int handle, uint64_t offset, MutableByteSpan out) = 0;
  // Writes all bytes at the offset.
  virtual bool WriteAt(int handle, uint64_t offset, ByteSpan data) = 0;
  virtual std::optional<CFileStamp> Stamp(int handle) = 0;
  // Sets the modification time to now, to the nanosecond; the time set, or nothing when it
  // could not be set.
  virtual std::optional<int64_t> Touch(int handle) = 0;
  virtual bool Remove(const std::string& path) = 0;
};

// The machine's files.
std::shared_ptr<CStoreIo> PosixStoreIo();
