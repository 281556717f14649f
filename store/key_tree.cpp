// The key tree B.kw1: an unbalanced binary search tree of words and picture IDs, searched from
// node 1. Keys lower than a node's key lie to its left; equal or higher ones to its right, so
// that a key whose node is no longer in use (a removed picture ID, the sentinel root) can be
// inserted again further down.
#include <vector>

#include "base/string_printf.h"
#include "base/text_rules.h"
#include "store/database.h"

int Cdatabase::FindKey(const std::string& key, uint32_t n) {
  const uint32_t limit = EntryCount(key_file_, kKeyNodeSize);
  for (uint32_t steps = 0;; ++steps) {
    if (steps > limit) {
      Damaged(key_file_, "the key tree runs in a circle");
      return 0;
    }
    ++visit_count_;
    std::optional<CKeyNode> node = ReadKeyNode(n);
    if (!node) return 0;
    const int c = CompareKeys(key, node->Key());
    if (c == 0 && node->in_use) return static_cast<int>(n);
    const uint32_t child = c < 0 ? node->left : node->right;
    if (child == 0) return -static_cast<int>(n);
    n = child;
  }
}

int Cdatabase::InsertKey(const std::string& key, uint8_t kind, int64_t first, int64_t last,
                         uint32_t count, uint8_t unsorted) {
  const std::string cut = CutText(key, kMaxKeyLength);
  visit_count_ = 0;
  const int found = FindKey(cut, kRootNode);
  return InsertFoundKey(found, cut, kind, first, last, count, unsorted);
}

int Cdatabase::InsertFoundKey(int found, const std::string& key, uint8_t kind, int64_t first,
                              int64_t last, uint32_t count, uint8_t unsorted) {
  if (found == 0 || !status_.ok()) return 0;
  current_node_ = static_cast<uint32_t>(found > 0 ? found : -found);
  if (found > 0) {
    std::optional<CKeyNode> node = ReadKeyNode(current_node_);
    if (!node) return 0;
    node->count += 1;
    node->unsorted = unsorted;
    if (!WriteKeyNode(current_node_, *node)) return 0;
    return static_cast<int>(node->last);
  }
  const uint32_t parent_number = current_node_;
  std::optional<CKeyNode> parent = ReadKeyNode(parent_number);
  if (!parent) return 0;
  const uint32_t number = static_cast<uint32_t>(header.key_next);
  if (header.key_next < 2 || number > EntryCount(key_file_, kKeyNodeSize) + 1) {
    Damaged(key_file_, StringPrintf("the next node number %d of the header does not fit the file",
                                    header.key_next));
    return 0;
  }
  CKeyNode node;
  node.in_use = 1;
  node.kind = kind;
  node.unsorted = unsorted;
  node.SetKey(key);
  if (first == -1) {
    first = kind == kKindWord ? TakeFreePostingBlock() : header.record_free;
    if (!status_.ok()) return 0;
    last = first;
  }
  node.first = static_cast<uint32_t>(first);
  node.last = static_cast<uint32_t>(last);
  node.count = count;
  // The new node is written before its parent links to it.
  if (!WriteKeyNode(number, node)) return 0;
  if (CompareKeys(parent->Key(), key) > 0) {
    parent->left = number;
  } else {
    parent->right = number;
  }
  if (!WriteKeyNode(parent_number, *parent)) return 0;
  current_node_ = number;
  header.key_next += 1;
  return static_cast<int>(first);
}

void Cdatabase::ListKeys(const std::string& lower, const std::string& upper, bool ids_only,
                         uint32_t n, std::vector<std::string>& list) {
  // In key order without recursion. Subtrees that cannot hold keys of the range are skipped:
  // left of a key below `lower` all keys are lower, right of a key above `upper` all higher.
  const uint32_t limit = EntryCount(key_file_, kKeyNodeSize);
  std::vector<std::pair<uint32_t, CKeyNode>> stack;
  uint32_t steps = 0;
  uint32_t next = n;
  while (status_.ok() && (next > 0 || !stack.empty())) {
    if (next > 0) {
      if (++steps > limit + 1) {
        Damaged(key_file_, "the key tree runs in a circle");
        return;
      }
      std::optional<CKeyNode> node = ReadKeyNode(next);
      if (!node) return;
      const std::string key = node->Key();
      stack.emplace_back(next, *node);
      next = CompareKeys(key, lower) < 0 ? 0 : node->left;
      continue;
    }
    const CKeyNode node = stack.back().second;
    stack.pop_back();
    const std::string key = node.Key();
    if (node.in_use && CompareKeys(lower, key) <= 0 && CompareKeys(key, upper) <= 0 &&
        (!ids_only || node.kind == kKindPictureId)) {
      list.push_back(key);
    }
    next = CompareKeys(key, upper) > 0 ? 0 : node.right;
  }
}

void Cdatabase::ListPrefix(const std::string& raw_prefix, std::vector<std::string>& list) {
  std::string prefix = raw_prefix;
  while (!prefix.empty() && prefix.back() == '*') prefix.pop_back();
  const std::string upper = prefix + "\xC5\xC5\xC5\xC5";
  COpenFiles files(*this);
  if (!files.ok()) return;
  if (!prefix.empty()) {
    ListKeys(prefix, upper, false, kRootNode, list);
  } else {
    ListKeys("", upper, true, kRootNode, list);
  }
}

uint32_t Cdatabase::IdRecord(const std::string& id) {
  const int found = FindKey(CutText(id, kMaxKeyLength), kRootNode);
  if (found <= 0) return 0;
  std::optional<CKeyNode> node = ReadKeyNode(static_cast<uint32_t>(found));
  return node && node->kind == kKindPictureId ? node->first : 0;
}

int Cdatabase::RecordOfId(const std::string& id) {
  COpenFiles files(*this);
  if (!files.ok() || !ReadHeader()) return 0;
  return static_cast<int>(IdRecord(id));
}

bool Cdatabase::KeyExists(const std::string& key) {
  COpenFiles files(*this);
  return files.ok() && IdTaken(key);
}

bool Cdatabase::IdTaken(const std::string& id) {
  return FindKey(CutText(id, kMaxKeyLength), kRootNode) > 0;
}

void Cdatabase::RemoveIdNode(const std::string& id, uint32_t record) {
  const int found = FindKey(CutText(id, kMaxKeyLength), kRootNode);
  if (found <= 0) return;
  std::optional<CKeyNode> node = ReadKeyNode(static_cast<uint32_t>(found));
  if (!node || node->kind != kKindPictureId || node->first != record) return;
  node->in_use = 0;
  WriteKeyNode(static_cast<uint32_t>(found), *node);
}
