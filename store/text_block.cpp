#include "store/text_block.h"

#include <cstring>

#include "base/coding.h"
#include "store/fixed_text.h"

namespace {

constexpr size_t kInUseOffset = 0;
constexpr size_t kTextOffset = 1;
constexpr size_t kNextOffset = 51;
static_assert(kNextOffset + 4 == kTextBlockSize);

}  // namespace

std::string CTextBlock::Text() const { return FixedText(text); }

void CTextBlock::SetText(std::string_view piece) { SetFixedText(text, piece); }

CTextBlock CTextBlock::Free(uint32_t next) {
  CTextBlock block;
  block.next = next;
  return block;
}

void CTextBlock::EncodeTo(std::span<uint8_t, kTextBlockSize> out) const {
  out[kInUseOffset] = in_use;
  std::memcpy(out.data() + kTextOffset, text.data(), kTextPieceWidth);
  PutUint32BE(out, kNextOffset, next);
}

CTextBlock CTextBlock::DecodeFrom(std::span<const uint8_t, kTextBlockSize> in) {
  CTextBlock block;
  block.in_use = in[kInUseOffset];
  std::memcpy(block.text.data(), in.data() + kTextOffset, kTextPieceWidth);
  block.next = *GetUint32BE(in, kNextOffset);
  return block;
}
