#include "store/store_header.h"

#include "base/coding.h"

namespace {

constexpr int kFieldCount = 10;

int32_t* Fields(CStoreHeader& h, int i) {
  int32_t* fields[kFieldCount] = {&h.version,      &h.record_free, &h.record_mark, &h.text_free,
                                  &h.text_mark,    &h.key_next,    &h.key_mark,    &h.posting_free,
                                  &h.posting_mark, &h.cache_file};
  return fields[i];
}

}  // namespace

CStoreHeader CStoreHeader::NewIndex() {
  CStoreHeader h;
  h.version = kStoreFormatVersion;
  h.record_free = 1;
  h.record_mark = kInitialEntries;
  h.text_free = 1;
  h.text_mark = kInitialEntries;
  h.key_next = 2;
  h.key_mark = kInitialEntries;
  h.posting_free = 1;
  h.posting_mark = kInitialEntries;
  h.cache_file = 0;
  return h;
}

void CStoreHeader::EncodeTo(std::span<uint8_t, kStoreHeaderSize> out) const {
  CStoreHeader copy = *this;
  for (int i = 0; i < kFieldCount; ++i) {
    PutUint32LE(out, size_t{4} * i, static_cast<uint32_t>(*Fields(copy, i)));
  }
}

CStoreHeader CStoreHeader::DecodeFrom(std::span<const uint8_t, kStoreHeaderSize> in) {
  CStoreHeader h;
  for (int i = 0; i < kFieldCount; ++i) {
    *Fields(h, i) = static_cast<int32_t>(*GetUint32LE(in, size_t{4} * i));
  }
  return h;
}
