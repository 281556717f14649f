// Rebuilding the key tree balanced: the live keys in key order, node 1 the median, each half
// inserted the same way (median first, then its lower and upper parts). Nodes are numbered in
// insertion order from 1; nodes beyond the new next node are left as garbage.
#include <functional>

#include "store/database.h"
#include "store/string_printf.h"
#include "store/text_rules.h"

namespace {

struct CRebuildRecord {
  uint8_t kind = 0;
  uint8_t unsorted = 0;
  std::string key;
  uint32_t first = 0;
  uint32_t last = 0;
  uint32_t count = 0;
};

CKeyNode NodeOf(const CRebuildRecord& record) {
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
  auto node_at = [&](uint32_t n) {
    return CKeyNode::DecodeFrom(
        std::span<const uint8_t, kKeyNodeSize>(bytes + size_t{n - 1} * kKeyNodeSize, kKeyNodeSize));
  };

  // Collect the live nodes in key order. A tangled tree is left as it was.
  std::vector<CRebuildRecord> records;
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
      n = node_at(n).left;
      continue;
    }
    const CKeyNode node = node_at(stack.back());
    stack.pop_back();
    if (node.in_use) {
      records.push_back({node.kind, node.unsorted, CutText(node.Key(), kMaxKeyLength), node.first,
                         node.last, node.count});
    }
    n = node.right;
  }

  if (records.empty()) {
    // Only the sentinel root and removed IDs: the sentinel root alone.
    if (WriteKeyNode(kRootNode, CKeyNode::Sentinel())) header.key_next = 2;
    return;
  }
  bool ascending = true;
  for (size_t i = 1; i < records.size() && ascending; ++i) {
    ascending = CompareKeys(records[i - 1].key, records[i].key) < 0;
  }

  if (ascending) {
    // With distinct keys in order, inserting a range's median always lands under the range's
    // parent, so the tree can be laid out directly in one write.
    std::vector<CKeyNode> nodes(records.size() + 1);
    uint32_t next = kRootNode;
    std::function<uint32_t(size_t, size_t)> place = [&](size_t a, size_t b) -> uint32_t {
      if (a > b) return 0;
      const size_t c = (a + b) / 2;
      const uint32_t number = next++;
      nodes[number] = NodeOf(records[c - 1]);
      const uint32_t left = place(a, c - 1);
      const uint32_t right = place(c + 1, b);
      nodes[number].left = left;
      nodes[number].right = right;
      return number;
    };
    place(1, records.size());
    std::vector<uint8_t> out(records.size() * kKeyNodeSize);
    for (size_t n = 1; n <= records.size(); ++n) {
      nodes[n].EncodeTo(
          std::span<uint8_t, kKeyNodeSize>(&out[(n - 1) * kKeyNodeSize], kKeyNodeSize));
    }
    if (WriteBytes(key_file_, 0, out)) header.key_next = static_cast<int32_t>(next);
    return;
  }

  // Keys out of order (a damaged tree): insert them one by one as they come.
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
