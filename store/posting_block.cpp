#include "store/posting_block.h"

#include "base/coding.h"

namespace {

constexpr size_t kReservedOffset = 0;
constexpr size_t kCodesOffset = 1;
constexpr size_t kRecordsOffset = 11;
constexpr size_t kNextOffset = 51;
static_assert(kNextOffset + 4 == kPostingBlockSize);

}  // namespace

CPostingBlock CPostingBlock::Free(uint32_t next) {
  CPostingBlock block;
  block.next = next;
  return block;
}

void CPostingBlock::EncodeTo(std::span<uint8_t, kPostingBlockSize> out) const {
  out[kReservedOffset] = reserved;
  for (size_t i = 0; i < kPostingsPerBlock; ++i) {
    out[kCodesOffset + i] = codes[i];
    PutUint32BE(out, kRecordsOffset + 4 * i, records[i]);
  }
  PutUint32BE(out, kNextOffset, next);
}

CPostingBlock CPostingBlock::DecodeFrom(std::span<const uint8_t, kPostingBlockSize> in) {
  CPostingBlock block;
  block.reserved = in[kReservedOffset];
  for (size_t i = 0; i < kPostingsPerBlock; ++i) {
    block.codes[i] = in[kCodesOffset + i];
    block.records[i] = *GetUint32BE(in, kRecordsOffset + 4 * i);
  }
  block.next = *GetUint32BE(in, kNextOffset);
  return block;
}
