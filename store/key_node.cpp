#include "store/key_node.h"

#include <cstring>

#include "base/coding.h"
#include "store/fixed_text.h"

namespace {

constexpr size_t kInUseOffset = 0;
constexpr size_t kKindOffset = 1;
constexpr size_t kUnsortedOffset = 2;
constexpr size_t kKeyOffset = kKeyNodeKeyOffset;
constexpr size_t kLeftOffset = kKeyNodeLeftOffset;
constexpr size_t kRightOffset = kKeyNodeRightOffset;
constexpr size_t kFirstOffset = 31;
constexpr size_t kLastOffset = 35;
constexpr size_t kCountOffset = 39;
static_assert(kCountOffset + 4 == kKeyNodeSize);

}  // namespace

std::string CKeyNode::Key() const { return FixedText(key); }

void CKeyNode::SetKey(std::string_view text) { SetFixedText(key, text); }

CKeyNode CKeyNode::Sentinel() {
  CKeyNode node;
  node.SetKey(kSentinelKey);
  return node;
}

void CKeyNode::EncodeTo(std::span<uint8_t, kKeyNodeSize> out) const {
  out[kInUseOffset] = in_use;
  out[kKindOffset] = kind;
  out[kUnsortedOffset] = unsorted;
  std::memcpy(out.data() + kKeyOffset, key.data(), kKeyWidth);
  PutUint32BE(out, kLeftOffset, left);
  PutUint32BE(out, kRightOffset, right);
  PutUint32BE(out, kFirstOffset, first);
  PutUint32BE(out, kLastOffset, last);
  PutUint32BE(out, kCountOffset, count);
}

CKeyNode CKeyNode::DecodeFrom(std::span<const uint8_t, kKeyNodeSize> in) {
  CKeyNode node;
  node.in_use = in[kInUseOffset];
  node.kind = in[kKindOffset];
  node.unsorted = in[kUnsortedOffset];
  std::memcpy(node.key.data(), in.data() + kKeyOffset, kKeyWidth);
  node.left = *GetUint32BE(in, kLeftOffset);
  node.right = *GetUint32BE(in, kRightOffset);
  node.first = *GetUint32BE(in, kFirstOffset);
  node.last = *GetUint32BE(in, kLastOffset);
  node.count = *GetUint32BE(in, kCountOffset);
  return node;
}

int CompareKeys(std::string_view a, std::string_view b) {
  const size_t common = std::min(a.size(), b.size());
  const int c = common == 0 ? 0 : std::memcmp(a.data(), b.data(), common);
  if (c != 0) return c < 0 ? -1 : 1;
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}
