#include "base/archive_reader.h"

#include "base/archive_format.h"
#include "base/string_printf.h"

std::optional<std::string_view> CArchiveReader::Take(std::string_view field, size_t count) {
  if (!ok()) return std::nullopt;
  if (count > remaining()) {
    Fail(position_, field,
         StringPrintf("needs %zu bytes, but the file ends after %zu", count, remaining()));
    return std::nullopt;
  }
  std::string_view bytes = data_.substr(position_, count);
  position_ += count;
  return bytes;
}

std::optional<int32_t> CArchiveReader::ReadInt32(std::string_view field) {
  auto bytes = Take(field, 4);
  if (!bytes) return std::nullopt;
  return static_cast<int32_t>(DecodeUint32LE(bytes->data()));
}

std::optional<uint8_t> CArchiveReader::ReadByte(std::string_view field) {
  auto bytes = Take(field, 1);
  if (!bytes) return std::nullopt;
  return static_cast<uint8_t>((*bytes)[0]);
}

std::optional<std::string> CArchiveReader::ReadBytes(std::string_view field, size_t count) {
  auto bytes = Take(field, count);
  if (!bytes) return std::nullopt;
  return std::string(*bytes);
}

std::optional<std::string> CArchiveReader::ReadString(std::string_view field) {
  const size_t start = position_;
  auto prefix = Take(field, 1);
  if (!prefix) return std::nullopt;
  uint64_t length = static_cast<uint8_t>((*prefix)[0]);
  if (length == kArchiveLengthEscape8) {
    auto word = Take(field, 2);
    if (!word) return std::nullopt;
    length = DecodeUint16LE(word->data());
    if (length == kArchiveLengthEscape16) {
      auto dword = Take(field, 4);
      if (!dword) return std::nullopt;
      length = DecodeUint32LE(dword->data());
    } else if (length == kArchiveWideMarker16) {
      // Two-byte-character strings are never written to these files.
      Fail(start, field, "has a length marker this program does not write");
      return std::nullopt;
    }
  }
  if (length > remaining()) {
    Fail(start, field,
         StringPrintf("has the length %llu, but only %zu bytes follow",
                      static_cast<unsigned long long>(length), remaining()));
    return std::nullopt;
  }
  return std::string(*Take(field, static_cast<size_t>(length)));
}

std::optional<int32_t> CArchiveReader::ReadCount(std::string_view field, size_t min_item_size) {
  const size_t start = position_;
  auto count = ReadInt32(field);
  if (!count) return std::nullopt;
  if (*count < 0) {
    Fail(start, field, StringPrintf("is negative (%d)", *count));
    return std::nullopt;
  }
  if (static_cast<uint64_t>(*count) * min_item_size > remaining()) {
    Fail(start, field,
         StringPrintf("is %d, more than the remaining %zu bytes can hold", *count, remaining()));
    return std::nullopt;
  }
  return count;
}

void CArchiveReader::Fail(size_t position, std::string_view field, std::string_view reason) {
  if (!ok()) return;
  damage_ = std::string(field) + StringPrintf(" at byte %zu: ", position) + std::string(reason);
}
