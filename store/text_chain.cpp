// Text chains in B.kw4: a text cut into pieces of 49 bytes, one piece per block, linked in
// order. Also the field text, packed into one chain.
#include <algorithm>
#include <unordered_set>

#include "base/string_printf.h"
#include "store/database.h"

uint32_t Cdatabase::WriteTextChain(const std::string& raw_text) {
  // A NUL would end a piece early and lose the rest of it.
  std::string text = raw_text;
  text.erase(std::remove(text.begin(), text.end(), '\0'), text.end());
  if (text.empty() || !status_.ok()) return 0;
  const uint32_t start = static_cast<uint32_t>(header.text_free);
  uint32_t block_number = start;
  std::string_view rest = text;
  while (status_.ok()) {
    if (block_number >= static_cast<uint32_t>(header.text_mark)) {
      // The walk reached the unwritten end of the file: grow it before reading on.
      if (!GrowFile(text_file_, header.text_mark, kTextBlockSize, "text blocks")) return 0;
      if (block_number >= static_cast<uint32_t>(header.text_mark)) {
        Damaged(text_file_, StringPrintf("the free chain links to block %u beyond the growth "
                                         "mark",
                                         block_number));
        return 0;
      }
    }
    std::optional<CTextBlock> block = ReadTextBlock(block_number);
    if (!block) return 0;
    if (block->in_use) {
      Damaged(text_file_, StringPrintf("block %u on the free chain is in use", block_number));
      return 0;
    }
    const uint32_t next = block->next;
    const bool last = rest.size() <= kTextPieceLength;
    block->SetText(rest.substr(0, std::min(rest.size(), kTextPieceLength)));
    if (last) block->next = 0;
    block->in_use = 1;
    if (!WriteTextBlock(block_number, *block)) return 0;
    if (last) {
      header.text_free = static_cast<int32_t>(next);
      break;
    }
    rest.remove_prefix(kTextPieceLength);
    block_number = next;
  }
  if (!status_.ok()) return 0;
  last_chain_start_ = start;
  GrowTextBlocksIfNeeded();
  return start;
}

std::string Cdatabase::ReadTextChain(uint32_t block_number) {
  std::string text;
  const uint32_t limit = EntryCount(text_file_, kTextBlockSize);
  for (uint32_t steps = 0; block_number > 0; ++steps) {
    if (steps >= limit) {
      Damaged(text_file_, "a text chain runs in a circle");
      break;
    }
    std::optional<CTextBlock> block = ReadTextBlock(block_number);
    if (!block) break;
    text += block->Text();
    block_number = block->next;
  }
  return text;
}

void Cdatabase::ReleaseTextChain(uint32_t first) {
  if (first == 0 || !status_.ok()) return;
  // Check the whole chain first, so that a damaged one is left as it is instead of tangling
  // the free chain.
  std::vector<std::pair<uint32_t, CTextBlock>> chain;
  std::unordered_set<uint32_t> seen;
  for (uint32_t n = first; n > 0;) {
    std::optional<CTextBlock> block = ReadTextBlock(n);
    if (!block) return;
    if (!block->in_use || !seen.insert(n).second) {
      Damaged(text_file_, StringPrintf("the text chain starting at block %u is broken", first));
      return;
    }
    chain.emplace_back(n, *block);
    n = block->next;
  }
  const uint32_t old_free = static_cast<uint32_t>(header.text_free);
  for (auto& [n, block] : chain) {
    block.in_use = 0;
    if (n == chain.back().first) block.next = old_free;
    if (!WriteTextBlock(n, block)) return;
  }
  header.text_free = static_cast<int32_t>(first);
}

uint32_t Cdatabase::StoreFieldText() { return WriteTextChain(PackFieldText(fields)); }

void Cdatabase::LoadFieldText(uint32_t block) {
  UnpackFieldText(ReadTextChain(block), fields);
  loaded_fields_ = fields;
  MoveLegacyUserFields(fields);
}
