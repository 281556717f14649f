// Growth of the files that keep a free chain (record table, text blocks, posting blocks) and
// allocation from the posting free chain.
//
// Invariant: after every allocation the free head stays at least 10 (record table, posting
// blocks) or 20 (text blocks) entries below the growth mark, so allocation never reaches the
// unwritten end of a file; a text chain that walks further grows the file first.
#include "base/string_printf.h"
#include "store/database.h"

bool Cdatabase::GrowFile(CCachedFile& file, int32_t& mark, size_t entry_size, const char* what) {
  if (!status_.ok()) return false;
  const uint32_t entries = EntryCount(file, entry_size);
  if (mark < 1 || static_cast<uint64_t>(mark) > uint64_t{entries} + 1) {
    return Damaged(file, StringPrintf("its growth mark %d does not fit the %u %s of the file", mark,
                                      entries, what));
  }
  std::vector<uint8_t> bytes(kGrowthEntries * entry_size);
  for (int k = 0; k < kGrowthEntries; ++k) {
    const uint32_t next = static_cast<uint32_t>(mark + k + 1);
    uint8_t* at = &bytes[k * entry_size];
    if (entry_size == kRecordEntrySize) {
      CRecordEntry::Free(next).EncodeTo(std::span<uint8_t, kRecordEntrySize>(at, entry_size));
    } else if (&file == &text_file_) {
      CTextBlock::Free(next).EncodeTo(std::span<uint8_t, kTextBlockSize>(at, entry_size));
    } else {
      CPostingBlock::Free(next).EncodeTo(std::span<uint8_t, kPostingBlockSize>(at, entry_size));
    }
  }
  if (!WriteBytes(file, uint64_t(mark - 1) * entry_size, bytes)) return false;
  mark += kGrowthEntries;
  return true;
}

void Cdatabase::GrowRecordTableIfNeeded() {
  if (header.record_mark - header.record_free < kRecordGrowthDistance) {
    GrowFile(record_file_, header.record_mark, kRecordEntrySize, "records");
  }
}

void Cdatabase::GrowPostingsIfNeeded() {
  if (header.posting_mark - header.posting_free < kPostingGrowthDistance) {
    GrowFile(posting_file_, header.posting_mark, kPostingBlockSize, "posting blocks");
  }
}

void Cdatabase::GrowTextBlocksIfNeeded() {
  if (header.text_mark - header.text_free < kTextGrowthDistance) {
    GrowFile(text_file_, header.text_mark, kTextBlockSize, "text blocks");
  }
}

uint32_t Cdatabase::TakeFreePostingBlock() {
  const uint32_t n = static_cast<uint32_t>(header.posting_free);
  std::optional<CPostingBlock> block = ReadPostingBlock(n);
  if (!block) return 0;
  header.posting_free = static_cast<int32_t>(block->next);
  block->next = 0;
  if (!WritePostingBlock(n, *block)) return 0;
  return n;
}
