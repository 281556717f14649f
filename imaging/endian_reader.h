// Reading and writing fixed-size integers of either byte order in a byte range. Every read is
// checked against the end of the range, so a parser built on it cannot read outside the bytes
// it was given, whatever the offsets and counts in a file say.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

class CEndianReader {
 public:
  CEndianReader(std::span<const uint8_t> data, bool big_endian)
      : data_(data), big_endian_(big_endian) {}

  size_t size() const { return data_.size(); }
  bool big_endian() const { return big_endian_; }

  // True when `count` bytes starting at `offset` lie inside the range (no overflow).
  bool Has(uint64_t offset, uint64_t count) const {
    return offset <= data_.size() && count <= data_.size() - offset;
  }
  // The bytes at `offset`; nothing when they do not all lie inside the range.
  std::optional<std::span<const uint8_t>> Bytes(uint64_t offset, uint64_t count) const;

  std::optional<uint16_t> U16(uint64_t offset) const;
  std::optional<uint32_t> U32(uint64_t offset) const;
  std::optional<uint64_t> U64(uint64_t offset) const;

 private:
  std::span<const uint8_t> data_;
  bool big_endian_;
};

// Unchecked decoding of a buffer the caller knows to be long enough.
uint16_t DecodeU16(const uint8_t* p, bool big_endian);
uint32_t DecodeU32(const uint8_t* p, bool big_endian);

// Little-endian encoding into a buffer the caller knows to be long enough.
void EncodeU16LE(uint8_t* p, uint16_t value);
void EncodeU32LE(uint8_t* p, uint32_t value);
