// Rebuilding the key tree balanced: the live keys in key order, node 1 the median, each half
// inserted the same way (median first, then its lower and upper parts). Nodes are numbered in
// insertion order from 1; nodes beyond the new next node are left as garbage.
#include <cstring>
#include <functional>

#include "store/coding.h"
#include "store/database.h"
#include "store/string_printf.h"
#include "store/text_rules.h"

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
  std::vector<bool> visited(size_t{node_count} + 1, false);
  std::vector<uint32_t> stack;
  for (uint32_t n = kRootNode; n > 0 || !stack.empty();) {
    if (n > 0) {
      if (n > node_count || visited[n]) {
        Damaged(key_file_, StringPrintf("node %u is linked twice or lies outside the file", n));
        return;
      }
      visited[n] = true;
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
  bool ascending = true;
  for (size_t i = 0; i < order.size() && ascending; ++i) {
    const std::string_view key = key_of(order[i]);
    ascending = (i == 0 || CompareKeys(key_of(order[i - 1]), key) < 0) &&
                (key.size() < kMaxKeyLength || CutText(key, kMaxKeyLength).size() == key.size());
  }
  if (!ascending) {
    RebuildKeyTreeByInsertion(order, bytes);
    return;
  }

  // With distinct keys in order, inserting a range's median always lands under the range's
  // parent, so the tree is laid out directly: numbers in insertion order (a range's median,
  // then its lower part, then its upper part), written in one piece.
  const size_t count = order.size();
  std::vector<uint32_t> number(count + 1), left(count + 1, 0), right(count + 1, 0);
  struct CRange {
    size_t a, b, parent;
    bool is_left;
  };
  std::vector<CRange> ranges = {{1, count, 0, false}};
  uint32_t next = kRootNode;
  while (!ranges.empty()) {
    const CRange range = ranges.back();
    ranges.pop_back();
    if (range.a > range.b) continue;
    const size_t c = (range.a + range.b) / 2;
    number[c] = next++;
    if (range.parent > 0) (range.is_left ? left : right)[range.parent] = number[c];
    ranges.push_back({c + 1, range.b, c, false});
    if (c > range.a) ranges.push_back({range.a, c - 1, c, true});
  }
  std::vector<uint8_t> out(count * kKeyNodeSize);
  for (size_t i = 1; i <= count; ++i) {
    uint8_t* node = &out[size_t{number[i] - 1} * kKeyNodeSize];
    std::memcpy(node, node_bytes(order[i - 1]), kKeyNodeSize);
    node[0] = 1;
    const size_t key_length = key_of(order[i - 1]).size();
    std::memset(node + kKeyNodeKeyOffset + key_length, 0, kKeyWidth - key_length);
    const MutableByteSpan span(node, kKeyNodeSize);
    PutUint32BE(span, kKeyNodeLeftOffset, left[i]);
    PutUint32BE(span, kKeyNodeRightOffset, right[i]);
  }
  if (WriteBytes(key_file_, 0, out)) header.key_next = static_cast<int32_t>(next);
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
