// CArchiveReader reads the fields of a file written in the archive conventions of the state
// files: int32 little-endian, single bytes, and strings of single-byte characters behind a
// length prefix (one byte for lengths under 255; else 0xFF and a 16-bit length under 65534;
// else 0xFF, 0xFFFF and a 32-bit length).
//
// Every read is checked against the end of the data. The first read that cannot be done
// (the data ends inside the field, a length or count points past the end) marks the reader
// damaged and names that field; every later read then fails too, so a caller may read a run
// of fields and look once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class CArchiveReader {
 public:
  // The reader does not own `data`; it must outlive the reader.
  explicit CArchiveReader(std::string_view data) : data_(data) {}

  // Each read names its field (e.g. "category count") for the damage report.
  std::optional<int32_t> ReadInt32(std::string_view field);
  std::optional<uint8_t> ReadByte(std::string_view field);
  std::optional<std::string> ReadBytes(std::string_view field, size_t count);
  std::optional<std::string> ReadString(std::string_view field);

  // A count of items that follow, each of which takes at least `min_item_size` bytes (> 0).
  // A negative count, or one the rest of the data could not hold, is damage. So a caller may
  // loop up to the count without the loop outrunning the data.
  std::optional<int32_t> ReadCount(std::string_view field, size_t min_item_size);

  // Marks the data damaged at `position` (where the field starts), for faults only the
  // caller can see (a number that does not parse). Keeps an earlier damage report.
  void Fail(size_t position, std::string_view field, std::string_view reason);

  bool ok() const { return damage_.empty(); }
  // "FIELD at byte N: REASON" for the first damaged field; empty while ok().
  const std::string& damage() const { return damage_; }
  size_t position() const { return position_; }
  size_t remaining() const { return data_.size() - position_; }

 private:
  // The next `count` bytes, or nothing (and damage) when fewer remain.
  std::optional<std::string_view> Take(std::string_view field, size_t count);

  std::string_view data_;
  size_t position_ = 0;
  std::string damage_;
};
