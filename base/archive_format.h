// The byte conventions of the archive files (the document state file, the CD's state file)
// and of the result-list file: little-endian integers and the string length prefix. Shared
// by CArchiveReader, CArchiveWriter and the result-list file.
#pragma once

#include <cstdint>
#include <string>

#include "base/coding.h"

// A string's length prefix: one byte below kArchiveLengthEscape8; else that byte and a
// 16-bit length below kArchiveLengthEscape16 - 1; else that byte, kArchiveLengthEscape16
// and a 32-bit length. The 16-bit value kArchiveWideMarker16 announces a string of two-byte
// characters, which these files never hold.
constexpr uint32_t kArchiveLengthEscape8 = 0xFF;
constexpr uint32_t kArchiveLengthEscape16 = 0xFFFF;
constexpr uint32_t kArchiveWideMarker16 = 0xFFFE;

// The integers of a text buffer the caller has checked to be long enough.
inline uint32_t DecodeUint16LE(const char* p) {
  return *GetUint16LE(ByteSpan(reinterpret_cast<const uint8_t*>(p), 2), 0);
}

inline uint32_t DecodeUint32LE(const char* p) {
  return *GetUint32LE(ByteSpan(reinterpret_cast<const uint8_t*>(p), 4), 0);
}

inline void AppendUint16LE(std::string& out, uint32_t value) {
  out.push_back(static_cast<char>(value & 0xFF));
  out.push_back(static_cast<char>((value >> 8) & 0xFF));
}

inline void AppendUint32LE(std::string& out, uint32_t value) {
  AppendUint16LE(out, value & 0xFFFF);
  AppendUint16LE(out, value >> 16);
}
