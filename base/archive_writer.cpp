#include "base/archive_writer.h"

#include <algorithm>

#include "base/archive_format.h"

void CArchiveWriter::WriteInt32(int32_t value) {
  AppendUint32LE(data_, static_cast<uint32_t>(value));
}

void CArchiveWriter::WriteByte(uint8_t value) { data_.push_back(static_cast<char>(value)); }

void CArchiveWriter::WriteBytes(std::string_view bytes) { data_.append(bytes); }

void CArchiveWriter::WriteString(std::string_view value) {
  const uint64_t length = std::min<uint64_t>(value.size(), UINT32_MAX);
  if (length < kArchiveLengthEscape8) {
    data_.push_back(static_cast<char>(length));
  } else {
    data_.push_back(static_cast<char>(kArchiveLengthEscape8));
    if (length < kArchiveWideMarker16) {
      AppendUint16LE(data_, static_cast<uint32_t>(length));
    } else {
      AppendUint16LE(data_, kArchiveLengthEscape16);
      AppendUint32LE(data_, static_cast<uint32_t>(length));
    }
  }
  data_.append(value.substr(0, static_cast<size_t>(length)));
}
