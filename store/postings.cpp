// Posting lists in B.kw2: per word, blocks of ten (field code, record number) slots linked
// from the word node's first block to its last. Postings are appended to the last block only;
// removal zeroes slots and leaves the holes.
//
// Long lists (the all-records marker, a directory key, a common word) would make every removal
// walk the whole list, so a locator per long list maps record numbers to the blocks holding
// them. It is built by one walk, kept up to date by AddPosting and RemovePosting, and dropped
// when anything else writes posting blocks or the file changes under the cache.
#include <algorithm>
#include <unordered_set>

#include "base/string_printf.h"
#include "base/text_rules.h"
#include "store/database.h"
#include "store/directory_key.h"
#include "store/index_words.h"
#include "store/posting_walk.h"
#include "store/tracked_writes.h"

namespace {

// Lists with at least this many postings get a locator.
constexpr uint32_t kLocatorThreshold = 64;
// Legacy codes 6 to 9 (fields 5 to 8) stand for the codes of fields 100 to 103.
constexpr int kFirstLegacyCode = 6;
constexpr int kLastLegacyCode = 9;
constexpr int kLegacyCodeShift = 95;

bool CodeMatches(uint8_t slot_code, int code) {
  if (slot_code == code) return true;
  const int legacy = code - kLegacyCodeShift;
  return legacy >= kFirstLegacyCode && legacy <= kLastLegacyCode && slot_code == legacy;
}

}  // namespace

void Cdatabase::AddPosting(const std::string& word, uint8_t code) {
  if (!status_.ok()) return;
  CTrackedWrites tracked(posting_writes_tracked_);
  const std::string key = CutText(word, kMaxKeyLength);
  visit_count_ = 0;
  const int found = FindKey(key, kRootNode);
  uint32_t first = 0;
  if (found > 0) {
    std::optional<CKeyNode> node = ReadKeyNode(static_cast<uint32_t>(found));
    if (!node) return;
    // A word equal to a picture ID meets the ID's node, which has no posting list.
    if (node->kind == kKindPictureId) return;
    first = node->first;
  }
  uint32_t b = static_cast<uint32_t>(InsertFoundKey(found, key, kKindWord, -1, -1, 1, 1));
  if (!status_.ok()) return;
  if (found <= 0) first = b;
  last_word_first_ = first;
  std::optional<CPostingBlock> block = ReadPostingBlock(b);
  if (!block) return;
  if (block->records[kPostingsPerBlock - 1] != 0) {
    const uint32_t fresh = static_cast<uint32_t>(header.posting_free);
    block->next = fresh;
    if (!WritePostingBlock(b, *block)) return;
    std::optional<CKeyNode> node = ReadKeyNode(current_node_);
    if (!node) return;
    node->last = fresh;
    if (!WriteKeyNode(current_node_, *node)) return;
    block = ReadPostingBlock(fresh);
    if (!block) return;
    header.posting_free = static_cast<int32_t>(block->next);
    block->next = 0;
    b = fresh;
  }
  const auto slot = std::find(block->records.begin(), block->records.end(), 0u);
  if (slot == block->records.end()) {
    Damaged(posting_file_, StringPrintf("posting block %u is full", b));
    return;
  }
  block->codes[slot - block->records.begin()] = code;
  *slot = current_record_;
  if (!WritePostingBlock(b, *block)) return;
  current_block_ = b;
  auto locator = posting_locators_.find(first);
  if (locator != posting_locators_.end()) locator->second.blocks.emplace(current_record_, b);
  GrowPostingsIfNeeded();
}

Cdatabase::CPostingLocator* Cdatabase::PostingLocatorFor(const CKeyNode& node,
                                                         uint32_t list_length_hint) {
  auto it = posting_locators_.find(node.first);
  if (it != posting_locators_.end()) return &it->second;
  if (list_length_hint < kLocatorThreshold) return nullptr;
  CPostingLocator locator;
  const bool walked = ForEachPostingBlock(node.first, [&](uint32_t n, const CPostingBlock& block) {
    for (uint32_t record : block.records) {
      if (record != 0) locator.blocks.emplace(record, n);
    }
    return true;
  });
  if (!walked) return nullptr;
  return &posting_locators_.emplace(node.first, std::move(locator)).first->second;
}

void Cdatabase::RemovePosting(const std::string& word, uint32_t record, int code) {
  last_removed_count_ = 0;
  last_word_first_ = 0;
  if (!status_.ok()) return;
  CTrackedWrites tracked(posting_writes_tracked_);
  const int found = FindKey(CutText(word, kMaxKeyLength), kRootNode);
  if (found <= 0) return;
  const uint32_t node_number = static_cast<uint32_t>(found);
  std::optional<CKeyNode> node = ReadKeyNode(node_number);
  if (!node) return;
  if (node->kind == kKindPictureId) {
    // Only the record's own picture ID goes; a word that equals another picture's ID must not
    // take that ID away.
    if (node->first == record) {
      node->in_use = 0;
      WriteKeyNode(node_number, *node);
    }
    return;
  }
  last_word_first_ = node->first;
  uint32_t zeroed = 0;
  auto zero_slots = [&](uint32_t n, CPostingBlock& block) {
    bool changed = false;
    for (int i = 0; i < kPostingsPerBlock; ++i) {
      if (block.records[i] == record && CodeMatches(block.codes[i], code)) {
        block.records[i] = 0;
        block.codes[i] = 0;
        changed = true;
        ++zeroed;
      }
    }
    return !changed || WritePostingBlock(n, block);
  };
  if (CPostingLocator* locator = PostingLocatorFor(*node, node->count)) {
    auto [begin, end] = locator->blocks.equal_range(record);
    std::vector<uint32_t> blocks;
    for (auto it = begin; it != end; ++it) blocks.push_back(it->second);
    std::sort(blocks.begin(), blocks.end());
    blocks.erase(std::unique(blocks.begin(), blocks.end()), blocks.end());
    locator->blocks.erase(record);
    for (uint32_t n : blocks) {
      std::optional<CPostingBlock> block = ReadPostingBlock(n);
      if (!block || !zero_slots(n, *block)) return;
      // Postings of the record with other codes stay in the block.
      if (std::find(block->records.begin(), block->records.end(), record) != block->records.end()) {
        locator->blocks.emplace(record, n);
      }
    }
  } else if (!ForEachPostingBlock(node->first, zero_slots)) {
    return;
  }
  if (!status_.ok()) return;
  last_removed_count_ = zeroed;
  node->count = node->count >= zeroed ? node->count - zeroed : 0;
  node->unsorted = 1;
  WriteKeyNode(node_number, *node);
}

void Cdatabase::IndexText(int code, const std::string& text) {
  if (text.empty()) return;
  for (const std::string& word : IndexWords(text)) {
    if (!status_.ok()) return;
    AddPosting(word, static_cast<uint8_t>(code));
  }
}

void Cdatabase::UnindexText(const std::string& text, uint32_t record, int code) {
  if (text.empty()) return;
  for (const std::string& word : IndexWords(text)) {
    if (!status_.ok()) return;
    RemovePosting(word, record, code);
  }
}

std::string Cdatabase::DirectoryKey(const std::string& path, const std::string&) const {
  return ::DirectoryKey(path);
}
