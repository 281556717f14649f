#include "store/coding.h"

namespace {

bool Fits(size_t size, size_t offset, size_t width) {
  return offset <= size && width <= size - offset;
}

}  // namespace

std::optional<uint8_t> GetUint8(ByteSpan in, size_t offset) {
  if (!Fits(in.size(), offset, 1)) return std::nullopt;
  return in[offset];
}

std::optional<uint16_t> GetUint16(ByteSpan in, size_t offset, ByteOrder order) {
  if (!Fits(in.size(), offset, 2)) return std::nullopt;
  const uint16_t a = in[offset], b = in[offset + 1];
  return order == ByteOrder::kBigEndian ? static_cast<uint16_t>(a << 8 | b)
                                        : static_cast<uint16_t>(b << 8 | a);
}

std::optional<uint32_t> GetUint32(ByteSpan in, size_t offset, ByteOrder order) {
  if (!Fits(in.size(), offset, 4)) return std::nullopt;
  uint32_t value = 0;
  for (int i = 0; i < 4; ++i) {
    const int index = order == ByteOrder::kBigEndian ? i : 3 - i;
    value = value << 8 | in[offset + index];
  }
  return value;
}

bool PutUint8(MutableByteSpan out, size_t offset, uint8_t value) {
  if (!Fits(out.size(), offset, 1)) return false;
  out[offset] = value;
  return true;
}

bool PutUint16(MutableByteSpan out, size_t offset, uint16_t value, ByteOrder order) {
  if (!Fits(out.size(), offset, 2)) return false;
  const uint8_t high = static_cast<uint8_t>(value >> 8), low = static_cast<uint8_t>(value);
  out[offset] = order == ByteOrder::kBigEndian ? high : low;
  out[offset + 1] = order == ByteOrder::kBigEndian ? low : high;
  return true;
}

bool PutUint32(MutableByteSpan out, size_t offset, uint32_t value, ByteOrder order) {
  if (!Fits(out.size(), offset, 4)) return false;
  for (int i = 0; i < 4; ++i) {
    const uint8_t byte = static_cast<uint8_t>(value >> (24 - 8 * i));
    out[offset + (order == ByteOrder::kBigEndian ? i : 3 - i)] = byte;
  }
  return true;
}

uint8_t CByteReader::U8() {
  auto value = ok_ ? GetUint8(in_, offset_) : std::nullopt;
  if (!value) return ok_ = false, 0;
  offset_ += 1;
  return *value;
}

uint16_t CByteReader::U16() {
  auto value = ok_ ? GetUint16(in_, offset_, order_) : std::nullopt;
  if (!value) return ok_ = false, 0;
  offset_ += 2;
  return *value;
}

uint32_t CByteReader::U32() {
  auto value = ok_ ? GetUint32(in_, offset_, order_) : std::nullopt;
  if (!value) return ok_ = false, 0;
  offset_ += 4;
  return *value;
}

bool CByteReader::Bytes(MutableByteSpan out) {
  if (!ok_ || !Fits(in_.size(), offset_, out.size())) return ok_ = false;
  for (size_t i = 0; i < out.size(); ++i) out[i] = in_[offset_ + i];
  offset_ += out.size();
  return true;
}

void CByteReader::Skip(size_t count) {
  if (!ok_ || !Fits(in_.size(), offset_, count)) {
    ok_ = false;
    return;
  }
  offset_ += count;
}

void CByteReader::Seek(size_t offset) {
  if (!ok_ || offset > in_.size()) {
    ok_ = false;
    return;
  }
  offset_ = offset;
}
