// Endian-aware integer coding over byte spans. Every reader checks that the bytes it needs lie
// inside the span it is given, so parsers of files from outside (store files, EXIF, TIFF,
// thumbnail slots) never read past their input.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

using ByteSpan = std::span<const uint8_t>;
using MutableByteSpan = std::span<uint8_t>;

enum class ByteOrder { kBigEndian, kLittleEndian };

// Readers: nothing when offset + width exceeds the span.
std::optional<uint8_t> GetUint8(ByteSpan in, size_t offset);
std::optional<uint16_t> GetUint16(ByteSpan in, size_t offset, ByteOrder order);
std::optional<uint32_t> GetUint32(ByteSpan in, size_t offset, ByteOrder order);
inline std::optional<uint16_t> GetUint16BE(ByteSpan in, size_t offset) {
  return GetUint16(in, offset, ByteOrder::kBigEndian);
}
inline std::optional<uint16_t> GetUint16LE(ByteSpan in, size_t offset) {
  return GetUint16(in, offset, ByteOrder::kLittleEndian);
}
inline std::optional<uint32_t> GetUint32BE(ByteSpan in, size_t offset) {
  return GetUint32(in, offset, ByteOrder::kBigEndian);
}
inline std::optional<uint32_t> GetUint32LE(ByteSpan in, size_t offset) {
  return GetUint32(in, offset, ByteOrder::kLittleEndian);
}

// Writers: false (and nothing written) when offset + width exceeds the span.
bool PutUint8(MutableByteSpan out, size_t offset, uint8_t value);
bool PutUint16(MutableByteSpan out, size_t offset, uint16_t value, ByteOrder order);
bool PutUint32(MutableByteSpan out, size_t offset, uint32_t value, ByteOrder order);
inline bool PutUint16BE(MutableByteSpan out, size_t offset, uint16_t value) {
  return PutUint16(out, offset, value, ByteOrder::kBigEndian);
}
inline bool PutUint16LE(MutableByteSpan out, size_t offset, uint16_t value) {
  return PutUint16(out, offset, value, ByteOrder::kLittleEndian);
}
inline bool PutUint32BE(MutableByteSpan out, size_t offset, uint32_t value) {
  return PutUint32(out, offset, value, ByteOrder::kBigEndian);
}
inline bool PutUint32LE(MutableByteSpan out, size_t offset, uint32_t value) {
  return PutUint32(out, offset, value, ByteOrder::kLittleEndian);
}

// A cursor over a span in one byte order, for parsers that read field after field. A read
// past the end yields 0 and clears ok(); later reads keep failing, so a parser may read a
// whole structure and test ok() once.
class CByteReader {
 public:
  CByteReader(ByteSpan in, ByteOrder order) : in_(in), order_(order) {}

  uint8_t U8();
  uint16_t U16();
  uint32_t U32();
  // Copies `out.size()` bytes.
  bool Bytes(MutableByteSpan out);
  void Skip(size_t count);
  // Moves to an absolute offset; an offset past the end clears ok().
  void Seek(size_t offset);

  bool ok() const { return ok_; }
  size_t offset() const { return offset_; }
  size_t remaining() const { return offset_ <= in_.size() ? in_.size() - offset_ : 0; }
  void set_order(ByteOrder order) { order_ = order; }

 private:
  ByteSpan in_;
  ByteOrder order_;
  size_t offset_ = 0;
  bool ok_ = true;
};
