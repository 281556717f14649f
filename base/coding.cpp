#include "base/coding.h"

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
  if (!ok_ || !coding_internal::Fits(in_.size(), offset_, out.size())) return ok_ = false;
  for (size_t i = 0; i < out.size(); ++i) out[i] = in_[offset_ + i];
  offset_ += out.size();
  return true;
}

void CByteReader::Skip(size_t count) {
  if (!ok_ || !coding_internal::Fits(in_.size(), offset_, count)) {
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
