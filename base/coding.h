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

namespace coding_internal {
inline bool Fits(size_t size, size_t offset, size_t width) {
  return offset <= size && width <= size - offset;
}
}  // namespace coding_internal

// Readers: nothing when offset + width exceeds the span.
inline std::optional<uint8_t> GetUint8(ByteSpan in, size_t offset) {
  if (!coding_internal::Fits(in.size(), offset, 1)) return std::nullopt;
  return in[offset];
}
inline std::optional<uint16_t> GetUint16(ByteSpan in, size_t offset, ByteOrder order) {
  if (!coding_internal::Fits(in.size(), offset, 2)) return std::nullopt;
  const uint16_t a = in[offset], b = in[offset + 1];
  return order == ByteOrder::kBigEndian ? static_cast<uint16_t>(a << 8 | b)
                                        : static_cast<uint16_t>(b << 8 | a);
}
inline std::optional<uint32_t> GetUint32(ByteSpan in, size_t offset, ByteOrder order) {
  if (!coding_internal::Fits(in.size(), offset, 4)) return std::nullopt;
  const uint32_t b0 = in[offset], b1 = in[offset + 1], b2 = in[offset + 2], b3 = in[offset + 3];
  return order == ByteOrder::kBigEndian ? b0 << 24 | b1 << 16 | b2 << 8 | b3
                                        : b3 << 24 | b2 << 16 | b1 << 8 | b0;
}
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
inline bool PutUint8(MutableByteSpan out, size_t offset, uint8_t value) {
  if (!coding_internal::Fits(out.size(), offset, 1)) return false;
  out[offset] = value;
  return true;
}
inline bool PutUint16(MutableByteSpan out, size_t offset, uint16_t value, ByteOrder order) {
  if (!coding_internal::Fits(out.size(), offset, 2)) return false;
  const uint8_t high = static_cast<uint8_t>(value >> 8), low = static_cast<uint8_t>(value);
  out[offset] = order == ByteOrder::kBigEndian ? high : low;
  out[offset + 1] = order == ByteOrder::kBigEndian ? low : high;
  return true;
}
inline bool PutUint32(MutableByteSpan out, size_t offset, uint32_t value, ByteOrder order) {
  if (!coding_internal::Fits(out.size(), offset, 4)) return false;
  for (int i = 0; i < 4; ++i) {
    out[offset + (order == ByteOrder::kBigEndian ? i : 3 - i)] =
        static_cast<uint8_t>(value >> (24 - 8 * i));
  }
  return true;
}
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

// A byte range read in one byte order, every read checked against the range's end: the
// reader of EXIF blocks and TIFF files, whose offsets and counts come from the file.
class CEndianReader {
 public:
  CEndianReader(ByteSpan data, bool big_endian)
      : data_(data), order_(big_endian ? ByteOrder::kBigEndian : ByteOrder::kLittleEndian) {}

  size_t size() const { return data_.size(); }
  bool big_endian() const { return order_ == ByteOrder::kBigEndian; }

  // True when `count` bytes starting at `offset` lie inside the range (no overflow).
  bool Has(uint64_t offset, uint64_t count) const {
    return offset <= data_.size() && count <= data_.size() - offset;
  }
  // The bytes at `offset`; nothing when they do not all lie inside the range.
  std::optional<ByteSpan> Bytes(uint64_t offset, uint64_t count) const {
    if (!Has(offset, count)) return std::nullopt;
    return data_.subspan(offset, count);
  }
  std::optional<uint16_t> U16(uint64_t offset) const {
    if (!Has(offset, 2)) return std::nullopt;
    return GetUint16(data_, offset, order_);
  }
  std::optional<uint32_t> U32(uint64_t offset) const {
    if (!Has(offset, 4)) return std::nullopt;
    return GetUint32(data_, offset, order_);
  }
  std::optional<uint64_t> U64(uint64_t offset) const {
    auto first = U32(offset);
    auto second = U32(offset + 4);
    if (!first || !second) return std::nullopt;
    return big_endian() ? uint64_t{*first} << 32 | *second : uint64_t{*second} << 32 | *first;
  }

 private:
  ByteSpan data_;
  ByteOrder order_;
};
