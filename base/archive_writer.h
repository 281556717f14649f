// CArchiveWriter builds the bytes of a file in the archive conventions that CArchiveReader
// reads (base/archive_reader.h): int32 little-endian, single bytes, length-prefixed strings.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class CArchiveWriter {
 public:
  void WriteInt32(int32_t value);
  void WriteByte(uint8_t value);
  void WriteBytes(std::string_view bytes);
  // REQUIRES: value.size() < 2^32 (longer strings are cut to that length).
  void WriteString(std::string_view value);

  const std::string& data() const { return data_; }

 private:
  std::string data_;
};
