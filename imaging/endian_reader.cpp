#include "imaging/endian_reader.h"

std::optional<std::span<const uint8_t>> CEndianReader::Bytes(uint64_t offset,
                                                             uint64_t count) const {
  if (!Has(offset, count)) return std::nullopt;
  return data_.subspan(offset, count);
}

std::optional<uint16_t> CEndianReader::U16(uint64_t offset) const {
  if (!Has(offset, 2)) return std::nullopt;
  return DecodeU16(data_.data() + offset, big_endian_);
}

std::optional<uint32_t> CEndianReader::U32(uint64_t offset) const {
  if (!Has(offset, 4)) return std::nullopt;
  return DecodeU32(data_.data() + offset, big_endian_);
}

std::optional<uint64_t> CEndianReader::U64(uint64_t offset) const {
  if (!Has(offset, 8)) return std::nullopt;
  uint64_t first = DecodeU32(data_.data() + offset, big_endian_);
  uint64_t second = DecodeU32(data_.data() + offset + 4, big_endian_);
  return big_endian_ ? (first << 32) | second : (second << 32) | first;
}

uint16_t DecodeU16(const uint8_t* p, bool big_endian) {
  return big_endian ? static_cast<uint16_t>(p[0] << 8 | p[1])
                    : static_cast<uint16_t>(p[1] << 8 | p[0]);
}

uint32_t DecodeU32(const uint8_t* p, bool big_endian) {
  if (big_endian) {
    return uint32_t{p[0]} << 24 | uint32_t{p[1]} << 16 | uint32_t{p[2]} << 8 | p[3];
  }
  return uint32_t{p[3]} << 24 | uint32_t{p[2]} << 16 | uint32_t{p[1]} << 8 | p[0];
}

void EncodeU16LE(uint8_t* p, uint16_t value) {
  p[0] = static_cast<uint8_t>(value);
  p[1] = static_cast<uint8_t>(value >> 8);
}

void EncodeU32LE(uint8_t* p, uint32_t value) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(value >> (8 * i));
}
