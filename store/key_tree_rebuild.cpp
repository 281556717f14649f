// Rebuilding the key tree balanced: the live keys in key order, node 1 the median, each half
// inserted the same way (median first, then its lower and upper parts). Nodes are numbered in
// insertion order from 1; nodes beyond the new next node are left as garbage.
#include <cstring>
#include <functional>

#include "base/coding.h"
#include "base/string_printf.h"
#include "base/text_rules.h"
#include "store/database.h"

struct Cdatabase::CRebuildRecord {
  uint8_t kind = 0;
  uint8_t unsorted = 0;
  std::string key;
  uint32_t first = 0;
  uint32_t last = 0;
  uint32_t count = 0;
};

namespace {

CKeyNode NodeOf(const Cdatabase::CRebuildRecord& record) {
  CKeyNode node;
  node.in_use = 1;
  node.kind = record.kind;
  node.unsorted = record.unsorted;
  node.SetKey(record.key);
  node.first = record.first;
  node.last = record.last;
  node.count = record.count;
  return node;
}

}  // namespace

void Cdatabase::RebuildKeyTree() {
  if (!status_.ok()) return;
  const uint32_t node_count = EntryCount(key_file_, kKeyNodeSize);
  const uint8_t* bytes =
      node_count == 0 ? nullptr : key_file_.ReadRange(0, size_t{node_count} * kKeyNodeSize);
  if (!bytes) {
    Damaged(key_file_, "it holds no root node");
    return;
  }
  // The tree is read in place: a full rebuild happens every few dozen imports.
  auto node_bytes = [&](uint32_t n) { return bytes + size_t{n - 1} * kKeyNodeSize; };
  auto link = [&](uint32_t n, size_t offset) {
    return *GetUint32BE(ByteSpan(node_bytes(n), kKeyNodeSize), offset);
  };
  auto key_of = [&](uint32_t n) {
    const char* key = reinterpret_cast<const char*>(node_bytes(n)) + kKeyNodeKeyOffset;
    return std::string_view(key, strnlen(key, kMaxKeyLength));
  };

  // The live nodes in key order. A tangled tree is left as it was.
  std::vector<uint32_t> order;
  std::vector<uint8_t> visited(size_t{node_count} + 1, 0);
  std::vector<uint32_t> stack;
  for (uint32_t n = kRootNode; n > 0 || !stack.empty();) {
    if (n > 0) {
      if (n > node_count || visited[n]) {
        Damaged(key_file_, StringPrintf("node %u is linked twice or lies outside the file", n));
        return;
      }
      visited[n] = 1;
      stack.push_back(n);
      n = link(n, kKeyNodeLeftOffset);
      continue;
    }
    n = stack.back();
    stack.pop_back();
    if (node_bytes(n)[0]) order.push_back(n);
    n = link(n, kKeyNodeRightOffset);
  }

  if (order.empty()) {
    // Only the sentinel root and removed IDs: the sentinel root alone.
    if (WriteKeyNode(kRootNode, CKeyNode::Sentinel())) header.key_next = 2;
    return;
  }
  std::vector<uint8_t> key_length(order.size());
  bool ascending = true;
  for (size_t i = 0; i < order.size() && ascending; ++i) {
    const std::string_view key = key_of(order[i]);
    key_length[i] = static_cast<uint8_t>(key.size());
    ascending = (i == 0 || CompareKeys(key_of(order[i - 1]), key) < 0) &&
                (key.size() < kMaxKeyLength || CutText(key, kMaxKeyLength).size() == key.size());
  }
  if (!ascending) {
    RebuildKeyTreeByInsertion(order, bytes);
    return;
  }

  // With distinct keys in order, inserting a range's median always lands under the range's
  // parent, so the tree is laid out directly, in one piece: the median of a range takes the
  // next number, its lower part the numbers after it, then its upper part.
  const size_t count = order.size();
  std::vector<uint8_t>& out = rebuild_buffer_;
  out.resize(count * kKeyNodeSize);
  auto place = [&](auto& self, size_t a, size_t b, uint32_t number) -> void {
    const size_t c = (a + b) / 2;
    uint8_t* node = &out[size_t{number - 1} * kKeyNodeSize];
    std::memcpy(node, node_bytes(order[c - 1]), kKeyNodeSize);
    node[0] = 1;
    std::memset(node + kKeyNodeKeyOffset + key_length[c - 1], 0, kKeyWidth - key_length[c - 1]);
    const uint32_t left = c > a ? number + 1 : 0;
    const uint32_t right = c < b ? number + 1 + static_cast<uint32_t>(c - a) : 0;
    const MutableByteSpan span(node, kKeyNodeSize);
    PutUint32BE(span, kKeyNodeLeftOffset, left);
    PutUint32BE(span, kKeyNodeRightOffset, right);
    if (left) self(self, a, c - 1, left);
    if (right) self(self, c + 1, b, right);
  };
  place(place, 1, count, kRootNode);
  if (WriteBytes(key_file_, 0, out)) header.key_next = static_cast<int32_t>(count + 1);
}

void Cdatabase::RebuildKeyTreeByInsertion(const std::vector<uint32_t>& order,
                                          const uint8_t* bytes) {
  // Keys out of order (a damaged tree): inserted one by one as they come.
  std::vector<CRebuildRecord> records;
  for (uint32_t n : order) {
    const CKeyNode node = CKeyNode::DecodeFrom(
        std::span<const uint8_t, kKeyNodeSize>(bytes + size_t{n - 1} * kKeyNodeSize, kKeyNodeSize));
    records.push_back({node.kind, node.unsorted, CutText(node.Key(), kMaxKeyLength), node.first,
                       node.last, node.count});
  }
  header.key_next = 2;
  const size_t m = (records.size() + 1) / 2;
  if (!WriteKeyNode(kRootNode, NodeOf(records[m - 1]))) return;
  std::function<void(size_t, size_t)> insert = [&](size_t a, size_t b) {
    if (a > b || !status_.ok()) return;
    const size_t c = (a + b) / 2;
    const CRebuildRecord& record = records[c - 1];
    InsertKey(record.key, record.kind, record.first, record.last, record.count, record.unsorted);
    if (a < b) {
      insert(a, c - 1);
      insert(c + 1, b);
    }
  };
  insert(1, m - 1);
  insert(m + 1, records.size());
}
